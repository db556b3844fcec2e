#pragma once
#include <windows.h>

#include <vector>

#include "menus/KeyboardMenu.h"
#include "toolbar/FolderButton.h"

namespace quorbel {

// The menu hotkey's menu: reads every button's folder menu afresh, shows the bar's
// buttons with their top-left corner at `at` (plain items, and submenus of decorated
// rows), and returns what was chosen; Nothing, with nothing shown and the registry
// untouched, when no button has anything to offer. `owner` must answer WM_MEASUREITEM and
// WM_DRAWITEM of control id 0 with MeasureFolderMenuItem and DrawFolderMenuItem. The
// owner becomes the foreground window for the time of the menu, so that the keyboard
// reaches it; giving the foreground back is the caller's part.
KeyboardMenuChoice OpenKeyboardMenu(const std::vector<FolderButton>& buttons, POINT at, HWND owner);

}  // namespace quorbel
