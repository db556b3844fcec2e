#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorbel {

// The entries of one button's folder menu, as three parallel lists: element i of each
// belongs to the same entry. Entries stand in file order (the numeric value of a key
// plays no part: keys "5", "2", "0" standing in that order give rows in that order);
// empty values are free slots and are left out.
struct SubmenuEntries {
    std::vector<std::string> keys;         // key names exactly as in the file
    std::vector<std::string> texts;        // label|path
    std::vector<std::string> decorations;  // MenuDecoration text, empty for none
    std::size_t size() const { return keys.size(); }
    bool empty() const { return keys.empty(); }
};

// The entries from a key list and the two value readers (entry section, "E" section),
// each returning empty text for an absent key.
SubmenuEntries ReadSubmenu(const std::vector<std::string>& keys,
                           const std::function<std::string(const std::string&)>& readEntry,
                           const std::function<std::string(const std::string&)>& readDecoration);

// Reads the entry section named `submenuKey` of the submenu file and the decorations
// of the same keys from its "E" section.
SubmenuEntries LoadSubmenu(const std::string& submenuKey);

// True when the folder menu named `submenuKey` has at least one entry: what the button's
// image shows. Reads no further than the first entry it finds.
bool HasSubmenuEntries(const std::string& submenuKey);

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
