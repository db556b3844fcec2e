#include "dialogs/Placement.h"

namespace quorbel {

namespace {
constexpr int kRightMargin = 11;
}

Point PlaceBelow(const Rect& anchor, int width, int screenWidth)
{
    Point at{anchor.left, anchor.bottom};
    if (SaturatingAdd(at.x, width) > SaturatingSubtract(screenWidth, 1))
        at.x = SaturatingSubtract(SaturatingSubtract(screenWidth, width), kRightMargin);
    return at;
}

Rect AnchorAbove(const Rect& window)
{
    return {window.left, SaturatingSubtract(window.top, window.Height()), window.right,
            window.top};
}

}  // namespace quorbel
