#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorbel {

// One non-empty entry of a button's folder menu, as it stands in "SubFolder2.ini".
struct SubmenuEntry {
    std::string key;         // the entry's key name, exactly as in the file
    std::string text;        // label "|" path
    std::string decoration;  // the same key in the "E" section; empty for none
};

// A button's folder menu in file order. The numeric value of a key plays no part in the
// order: keys "5", "2", "0" standing in that order give rows in that order.
using Submenu = std::vector<SubmenuEntry>;

// The submenu from a key list and the two value readers (entry section, "E" section),
// each returning empty text for an absent key. Keys with an empty entry are free slots
// and are skipped.
Submenu ReadSubmenu(const std::vector<std::string>& keys,
                    const std::function<std::string(const std::string&)>& readEntry,
                    const std::function<std::string(const std::string&)>& readDecoration);

// The submenu named `submenuKey`, read afresh from "SubFolder2.ini".
Submenu LoadSubmenu(const std::string& submenuKey);

// Removes an entry from its menu the way the menu's Ctrl-choice does: its value becomes
// empty text (the key stays as a free slot) and its decoration is kept. The key is the
// name as listed, so a hand-made key such as "05" or "x" empties exactly that entry.
void ClearSubmenuEntry(const std::string& submenuKey, const std::string& entryKey);

// A submenu holds at most this many entries made by the program: keys "0" to "19".
inline constexpr int kSubmenuSlots = 20;

// The lowest of the keys "0" to "19" whose entry is absent or empty; none when all are
// taken, or when the button has no SubmenuKey to write under.
std::optional<std::string> FirstFreeEntryKey(const std::string& submenuKey);

}  // namespace quorbel
