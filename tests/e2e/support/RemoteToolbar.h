#pragma once
#include <windows.h>

#include <optional>

namespace quorbel::e2e {

// Questions to a toolbar control of another process. Those whose answer comes back
// through a pointer get a buffer in the toolbar's process (VirtualAllocEx) and read it
// back; every message has a time-out.

// The toolbar among the descendants of `window` (the bar), if any.
HWND FindToolbar(HWND window);

int ToolbarButtonCount(HWND toolbar);

// The image index of the button with command id `commandId` (TB_GETBITMAP).
std::optional<int> ToolbarButtonImage(HWND toolbar, int commandId);

// The rectangle of the button at `index`, in screen coordinates (TB_GETITEMRECT).
std::optional<RECT> ToolbarButtonRect(HWND toolbar, int index);

}  // namespace quorbel::e2e
