#include "app/BarFit.h"

#include <algorithm>

namespace quorbel {

BarFit FitBarToToolbar(int layoutHeight, int lastButtonRight)
{
    const int cy = std::max(layoutHeight, 0);
    const int right = std::max(lastButtonRight, 0);
    BarFit fit;
    fit.toolbar = Rect{-7, -5, -7 + right + 6, -5 + cy + 7};
    fit.barWidth = std::max(right - 2, 0);
    fit.barHeight = std::max(cy - 10, 0);
    return fit;
}

}  // namespace quorbel
