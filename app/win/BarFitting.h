#pragma once
#include <windows.h>

#include "framework/ToolBar.h"

namespace quorbel {

// Sizes `bar` to the buttons of `toolbar` (its child) and shows it, topmost, without
// activating it. `initial` also places it at the stored position; otherwise it stays
// where it is.
void FitBarToToolBar(HWND bar, const fw::ToolBar& toolbar, bool initial);

}  // namespace quorbel
