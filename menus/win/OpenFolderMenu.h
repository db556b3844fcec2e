#pragma once
#include <windows.h>

#include "menus/FolderMenuActions.h"
#include "toolbar/FolderButton.h"

namespace quorbel {

// A right click on a button: reads the button's folder menu afresh from the submenu
// file, shows it at the cursor (as it stood when the click was handled), and acts on the
// choice. False, with nothing shown and the registry untouched, when the button has no
// entries or is a blank (rejected) button; true once the menu was shown, whatever the
// user chose. `owner` must answer WM_MEASUREITEM and WM_DRAWITEM of control id 0 with
// MeasureFolderMenuItem and DrawFolderMenuItem.
bool OpenFolderMenu(const FolderButton& button, HWND owner, FolderMenuActions& actions);

}  // namespace quorbel
