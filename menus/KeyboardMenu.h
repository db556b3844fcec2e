#pragma once
#include <functional>
#include <string>
#include <vector>

#include "menus/FolderMenu.h"
#include "menus/MenuItemRegistry.h"
#include "toolbar/FolderButton.h"
#include "toolbar/Submenu.h"

namespace quorbel {

// One item of the keyboard menu: a button of the bar, plain or with its folder menu as a
// submenu.
struct KeyboardMenuItem {
    int position = 0;   // the button's position on the bar
    std::string label;  // "&1 caption" .. "&0 caption" for the first ten, the caption after
    int commandId = 0;  // a plain item's id; 0 for a submenu
    // A submenu's rows as its right-click menu shows them, entries then the management
    // row, with ids that no other row or item of the whole menu has. Empty: a plain item.
    std::vector<FolderMenuRow> rows;
};

// What the id returned by the keyboard menu asks for.
struct KeyboardMenuChoice {
    enum class Kind { Nothing, Button, Row };
    Kind kind = Kind::Nothing;
    int position = -1;       // Button and Row: the button on the bar
    std::string submenuKey;  // Row: the button's folder menu
    FolderMenuChoice row;    // Row: an entry or the management row
};

// The menu the menu hotkey opens: the bar's buttons in their order, each a plain item
// (acting as a left click) or, with folder entries, a submenu of its folder menu's rows.
// All rows of all submenus are in the registry at once, so ids are numbered across the
// whole menu:
//   - rows and plain items from kFirstId up, in menu order, above the ids a right-click
//     menu uses, so that no row is ever taken for a management row;
//   - the management row of the button at position p is kFirstManageId + p;
// all below 0x8000. A button whose rows no longer fit is cut short; buttons past the last
// management id, and those after the ids ran out, are left out.
class KeyboardMenu {
public:
    static constexpr int kFirstId = FolderMenu::kManageId + 1;
    static constexpr int kFirstManageId = 0x7000;
    static constexpr int kEndId = 0x8000;

    // Blank (rejected) buttons offer nothing, and neither do plain buttons past those a
    // left click reaches. `loadSubmenu` reads a button's entries by its SubmenuKey.
    KeyboardMenu(const std::vector<FolderButton>& buttons,
                 const std::function<SubmenuEntries(const std::string&)>& loadSubmenu);

    // Nothing to offer: the hotkey opens nothing.
    bool Empty() const { return items_.empty(); }
    const std::vector<KeyboardMenuItem>& Items() const { return items_; }

    // Forgets every earlier menu's rows and stores the rows of all submenus.
    void Register(MenuItemRegistry& registry) const;

    KeyboardMenuChoice Interpret(int commandId) const;

    // The painter draws these with the management row's fixed label.
    static bool IsManageId(int id) { return id >= kFirstManageId && id < kEndId; }

private:
    struct Submenu {
        std::string submenuKey;
        FolderMenu menu;  // the right-click menu, which reads back a row's choice
        int firstRowId;   // the id of its first entry row
    };

    std::vector<KeyboardMenuItem> items_;
    std::vector<Submenu> submenus_;  // one per item, empty menus for plain items
};

}  // namespace quorbel
