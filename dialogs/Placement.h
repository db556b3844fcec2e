#pragma once
#include "base/Geometry.h"

namespace quorbel {

// Where a dialog of width `width` opens below `anchor` (a button's or another dialog's
// screen rectangle): aligned with the anchor's left edge, just below it. When it would
// run past the right screen edge it is pulled left to end 11 pixels short of it; the
// vertical position is never corrected.
Point PlaceBelow(const Rect& anchor, int width, int screenWidth);

// The anchor that makes a dialog placed by PlaceBelow open over the top-left corner of
// `window`: the window's rectangle moved up by its own height.
Rect AnchorAbove(const Rect& window);

}  // namespace quorbel
