#pragma once
#include "framework/Handles.h"

namespace quorbel {

// The font of a folder-menu row: GulimChe, `tenths` of a point on the screen, bold or of
// the face's own weight. A point size, so the character height (not the cell) is asked.
fw::Font CreateMenuFont(int tenths, bool bold);

}  // namespace quorbel
