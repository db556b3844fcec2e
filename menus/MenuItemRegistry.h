#pragma once
#include <unordered_map>

#include "menus/FolderMenuItem.h"

namespace quorbel {

// Command id → row record for the folder menu that is open (or was open last). Owner-
// drawn rows carry nothing but their id, so the builder leaves the rows here for the
// WM_MEASUREITEM and WM_DRAWITEM handlers to find.
class MenuItemRegistry {
public:
    void Clear() { items_.clear(); }

    // Replaces any record already stored under `id`.
    void Store(int id, const FolderMenuItem& item) { items_[id] = item; }

    // Copies the record of `id` into `item`; false (and `item` untouched) when there is none.
    bool Lookup(int id, FolderMenuItem& item) const;

    bool Empty() const { return items_.empty(); }

private:
    std::unordered_map<int, FolderMenuItem> items_;
};

// The program's one registry: filled by the folder-menu builder, read by the painter.
MenuItemRegistry& MenuItems();

}  // namespace quorbel
