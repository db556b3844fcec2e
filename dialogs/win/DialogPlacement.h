#pragma once
#include <windows.h>

#include "base/Geometry.h"

namespace quorbel {

// Moves `dialog`, keeping its size, to where PlaceBelow puts it under `anchor` (screen
// pixels) on the primary screen, and returns that point.
Point PlaceDialogBelow(HWND dialog, const Rect& anchor);

// The anchor that makes PlaceDialogBelow open a dialog over the top-left corner of
// `window`: its rectangle moved up by its own height.
Rect AnchorAboveWindow(HWND window);

// Centres `dialog` on the desktop window, keeping its size.
void CentreOnDesktop(HWND dialog);

// Gives `dialog` a new height, keeping its place and width.
void SetDialogHeight(HWND dialog, int height);

// The rectangle of a dialog's control in the dialog's client coordinates.
RECT ControlRect(HWND dialog, int id);

}  // namespace quorbel
