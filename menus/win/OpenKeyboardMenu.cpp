#include "menus/win/OpenKeyboardMenu.h"

#include "framework/Handles.h"
#include "menus/MenuItemRegistry.h"
#include "menus/win/FolderMenuPopup.h"
#include "toolbar/Submenu.h"

namespace quorbel {

namespace {

// Captions are data in the system code page, hence the A functions. A submenu belongs to
// the popup once appended, and is destroyed with it.
fw::Menu BuildKeyboardPopup(const KeyboardMenu& menu)
{
    fw::Menu popup(CreatePopupMenu());
    for (const KeyboardMenuItem& item : menu.Items()) {
        if (item.rows.empty()) {
            AppendMenuA(popup.get(), MF_STRING, static_cast<UINT_PTR>(item.commandId), item.label.c_str());
            continue;
        }
        fw::Menu submenu = BuildFolderPopup(item.rows);
        if (AppendMenuA(popup.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(submenu.get()), item.label.c_str()))
            submenu.release();
    }
    return popup;
}

// Keys queued before the menu opens are not meant for it: when the owner's thread had
// the keyboard, the hotkey's own Ctrl and Alt presses are among them, and a menu takes an
// Alt press for a request to close.
void DropQueuedKeys()
{
    MSG key;
    while (PeekMessageW(&key, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
}

}  // namespace

KeyboardMenuChoice OpenKeyboardMenu(const std::vector<FolderButton>& buttons, POINT at, HWND owner)
{
    const KeyboardMenu menu(buttons, LoadSubmenu);
    if (menu.Empty())
        return KeyboardMenuChoice{};
    menu.Register(MenuItems());

    const fw::Menu popup = BuildKeyboardPopup(menu);
    // A popup takes the keyboard only while its owner is the foreground window, and the
    // message posted afterwards lets the owner's thread finish the switch away again
    // (TrackPopupMenu, Remarks).
    SetForegroundWindow(owner);
    DropQueuedKeys();
    const int chosen = static_cast<int>(TrackPopupMenu(popup.get(), TPM_RETURNCMD, at.x, at.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    return menu.Interpret(chosen);
}

}  // namespace quorbel
