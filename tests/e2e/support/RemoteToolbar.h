#pragma once
#include <windows.h>

#include <optional>

namespace quorbel::e2e {

// Questions to the bar's toolbar in another process; every message has a time-out.
HWND FindToolbar(HWND bar);
int ToolbarButtonCount(HWND toolbar);
// TB_GETBITMAP of the button with that command id.
std::optional<int> ToolbarButtonImage(HWND toolbar, int commandId);
// TB_GETITEMRECT in screen coordinates, through a buffer in the toolbar's process.
std::optional<RECT> ToolbarButtonRect(HWND toolbar, int index);

}  // namespace quorbel::e2e
