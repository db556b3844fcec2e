#pragma once
#include <windows.h>

#include <vector>

#include "framework/Handles.h"
#include "menus/FolderMenu.h"

namespace quorbel {

// The popup of a folder menu: one owner-drawn row per entry (a separator is owner-drawn
// too, with id 0), then the management row. The rows carry only their ids; what they
// show must be in MenuItems() by the time the popup is tracked. Each entry's stored
// decoration goes to the debugger output as the row is added, the program's only
// diagnostic trace.
fw::Menu BuildFolderPopup(const FolderMenu& menu);
// The same for rows numbered by their caller (the keyboard menu's submenus).
fw::Menu BuildFolderPopup(const std::vector<FolderMenuRow>& rows);

// Tracks `popup` with its top-left corner at `at` and returns the chosen id, 0 when the
// menu was dismissed. `owner` receives the rows' WM_MEASUREITEM and WM_DRAWITEM; the
// choice comes back as the result, never as WM_COMMAND.
int TrackFolderPopup(HMENU popup, POINT at, HWND owner);

}  // namespace quorbel
