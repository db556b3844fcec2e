#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "menus/FolderMenuItem.h"
#include "menus/MenuItemRegistry.h"
#include "toolbar/Submenu.h"

namespace quorbel {

// One row of a folder menu, in the order the popup shows them.
struct FolderMenuRow {
    int commandId = 0;       // what TrackPopupMenu returns for it; 0 for a separator
    int itemId = 0;          // under which the painter finds `item` in the registry
    bool separator = false;  // appended as MF_SEPARATOR | MF_OWNERDRAW
    std::string decoration;  // the raw stored decoration, for the debugger output
    FolderMenuItem item;     // the management row's label is FixedRowLabel, not text
};

// What the id returned by the popup asks for.
struct FolderMenuChoice {
    enum class Kind { Nothing, Manage, Entry };
    Kind kind = Kind::Nothing;
    std::string key;   // Entry: the entry's key name as it stands in the file
    std::string path;  // Entry: the folder to change to
};

// A button's folder menu: one row per entry (position i gets id i + 1, separators too
// take a position but return 0), then the management row. Built afresh on every right
// click from what LoadSubmenu read.
class FolderMenu {
public:
    static constexpr int kManageId = 1000;
    // Entry ids run up to 999; the 1000th entry would answer as the management row, so
    // longer menus are cut there.
    static constexpr std::size_t kMaxEntries = kManageId - 1;
    static constexpr int kEntryItemHeight = 20;

    explicit FolderMenu(const SubmenuEntries& entries);

    // No entries: the button shows no folder menu (and the bar's context menu opens).
    bool Empty() const { return entries_.empty(); }
    const std::vector<FolderMenuRow>& Rows() const { return rows_; }

    // Forgets the rows of any earlier menu and stores this one's (an empty menu leaves
    // the registry as it was). Separators are stored too, under their position.
    void Register(MenuItemRegistry& registry) const;

    FolderMenuChoice Interpret(int commandId) const;

private:
    SubmenuEntries entries_;
    std::vector<FolderMenuRow> rows_;
};

// The management row's label is one of the program's own texts, drawn with the W
// functions; entry labels are data in the system code page. The painter asks here
// whether a row has such a fixed label (empty when it has not): the management row of a
// right-click menu, or of any submenu of the keyboard menu.
std::wstring_view FixedRowLabel(int itemId);

}  // namespace quorbel
