#pragma once
#include <string>
#include <vector>

namespace quorbel {

// The entries of one button's folder menu, as three parallel lists: element i of each
// belongs to the same entry. Entries stand in file order; empty values are free slots.
struct SubmenuEntries {
    std::vector<std::string> keys;
    std::vector<std::string> texts;        // label|path
    std::vector<std::string> decorations;  // MenuDecoration text, empty for none
    std::size_t size() const { return keys.size(); }
    bool empty() const { return keys.empty(); }
};

// Reads the entry section named `submenuKey` of the submenu file and the decorations
// of the same keys from its "E" section.
SubmenuEntries LoadSubmenu(const std::string& submenuKey);

}  // namespace quorbel
