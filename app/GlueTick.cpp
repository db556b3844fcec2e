#include "app/GlueTick.h"

namespace quorbel {

namespace {

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The bar hides when a window of another thread is in front; its own dialogs and menus
// keep it as it is.
bool HideUnlessOwnForeground(GlueWorld& world)
{
    return world.BarVisible() && !world.ForegroundOnBarThread();
}

}  // namespace

bool IsHostClass(const std::string& className)
{
    static const char kHost[] = "ttotal_cmd";
    if (className.size() != sizeof kHost - 1)
        return false;
    for (std::size_t i = 0; i < className.size(); ++i)
        if (AsciiLower(className[i]) != kHost[i])
            return false;
    return true;
}

Point GlueOffset(const Rect& host, const Rect& bar)
{
    return Point{SaturatingSubtract(bar.left, host.left), SaturatingSubtract(bar.top, host.top)};
}

DragStep DecideDrag(bool ctrlDown, bool leftButtonDown, bool dragging)
{
    if (ctrlDown && leftButtonDown)
        return DragStep{false, true};
    if (dragging && !leftButtonDown)
        return DragStep{true, false};
    // A Ctrl release alone, with the button still down, changes nothing.
    return DragStep{false, dragging};
}

GlueStep DecideGlue(GlueWorld& world)
{
    GlueStep step;
    if (!IsHostClass(world.ForegroundClass())) {
        if (!world.ForegroundIsBar())
            step.hide = HideUnlessOwnForeground(world);
        return step;
    }

    const bool minimised = world.ForegroundMinimised();
    if (world.GlueSetting() != 0 && !minimised) {
        const int gx = world.GlueX();
        const int gy = world.GlueY();
        const Rect host = world.ForegroundRect();
        const Rect bar = world.BarRect();
        if (GlueOffset(host, bar) != Point{gx, gy})
            step.moveTo = Point{SaturatingAdd(host.left, gx), SaturatingAdd(host.top, gy)};
    }
    if (!minimised && !world.BarVisible())
        step.show = true;
    else if (minimised)
        step.hide = HideUnlessOwnForeground(world);
    else
        step.raise = world.ForegroundChangedLately();
    return step;
}

}  // namespace quorbel
