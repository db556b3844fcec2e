#pragma once
#include <windows.h>

#include "app/Geometry.h"

namespace quorbel {

// Moves `dialog`, keeping its size, to where PlaceBelow puts it under `anchor` (screen
// pixels) on the primary screen, and returns that point.
Point PlaceDialogBelow(HWND dialog, const Rect& anchor);

// Centres `dialog` on the desktop window, keeping its size.
void CentreOnDesktop(HWND dialog);

// The window rectangle of `window` in screen pixels.
Rect WindowRectOf(HWND window);

// The rectangle of a dialog's control in the dialog's client coordinates.
RECT ControlRect(HWND dialog, int id);

}  // namespace quorbel
