#include "menus/win/OpenFolderMenu.h"

#include "menus/MenuItemRegistry.h"
#include "menus/win/FolderMenuPopup.h"
#include "toolbar/Submenu.h"

namespace quorbel {

bool OpenFolderMenu(const FolderButton& button, HWND owner, FolderMenuActions& actions)
{
    if (!button.valid)
        return false;
    // Where the click was, not where the pointer has gone while the file was read.
    POINT at{};
    GetCursorPos(&at);

    const FolderMenu menu(LoadSubmenu(button.submenuKey));
    if (menu.Empty())
        return false;
    menu.Register(MenuItems());

    const fw::Menu popup = BuildFolderPopup(menu);
    const int chosen = TrackFolderPopup(popup.get(), at, owner);
    // Ctrl as it is when the menu has closed: held while choosing, not while opening.
    const bool ctrlHeld = GetKeyState(VK_CONTROL) < 0;
    ActOnFolderMenuChoice(menu.Interpret(chosen), ctrlHeld, button.submenuKey, actions);
    return true;
}

}  // namespace quorbel
