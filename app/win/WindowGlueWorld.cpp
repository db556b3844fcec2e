#include "app/win/WindowGlueWorld.h"

namespace quorbel {

Rect WindowRectOf(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return Rect{r.left, r.top, r.right, r.bottom};
}

WindowGlueWorld::WindowGlueWorld(HWND bar, HWND previousForeground, int ticksSinceChange, GlueSettings& settings)
    : bar_(bar), previous_(previousForeground), ticksSinceChange_(ticksSinceChange), settings_(settings),
      foreground_(GetForegroundWindow())
{
}

int WindowGlueWorld::TicksSinceChange() const
{
    if (foreground_ != previous_)
        return 0;
    return ticksSinceChange_ < kRaiseTicksAfterChange ? ticksSinceChange_ + 1 : ticksSinceChange_;
}

bool WindowGlueWorld::ForegroundChangedLately()
{
    return TicksSinceChange() < kRaiseTicksAfterChange;
}

std::string WindowGlueWorld::ForegroundClass()
{
    if (!foreground_)
        return std::string();
    char name[260];
    const int length = GetClassNameA(foreground_, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

bool WindowGlueWorld::ForegroundIsBar()
{
    return foreground_ == bar_;
}

bool WindowGlueWorld::ForegroundMinimised()
{
    return IsIconic(foreground_) != FALSE;
}

bool WindowGlueWorld::ForegroundOnBarThread()
{
    return GetWindowThreadProcessId(foreground_, nullptr) == GetWindowThreadProcessId(bar_, nullptr);
}

bool WindowGlueWorld::BarVisible()
{
    return IsWindowVisible(bar_) != FALSE;
}

Rect WindowGlueWorld::ForegroundRect()
{
    return WindowRectOf(foreground_);
}

Rect WindowGlueWorld::BarRect()
{
    return WindowRectOf(bar_);
}

int WindowGlueWorld::GlueSetting()
{
    return settings_.Glue();
}

int WindowGlueWorld::GlueX()
{
    return settings_.GlueX();
}

int WindowGlueWorld::GlueY()
{
    return settings_.GlueY();
}

}  // namespace quorbel
