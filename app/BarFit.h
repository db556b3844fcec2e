#pragma once
#include "base/Geometry.h"

namespace quorbel {

// Where the toolbar goes inside the bar and how big the bar is, from the toolbar's
// height as one fixed row (borders included) and the right edge of its last button.
// The toolbar's own border strip is pushed outside the bar's client area on the left
// and at the top, so the bar is no wider and no taller than the buttons.
struct BarFit {
    Rect toolbar;  // left, top, right, bottom in the bar's client coordinates
    int barWidth = 0;
    int barHeight = 0;
};

BarFit FitBarToToolbar(int layoutHeight, int lastButtonRight);

}  // namespace quorbel
