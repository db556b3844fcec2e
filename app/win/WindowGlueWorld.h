#pragma once
#include <windows.h>

#include "app/GlueTick.h"
#include "app/win/BarGlue.h"

namespace quorbel {

// The glue tick's questions answered by the window system and the settings file, at the
// moment the tick asks them.
class WindowGlueWorld final : public GlueWorld {
public:
    // `previousForeground` is what the previous tick found in front; `ticksSinceChange`
    // how many ticks ago the foreground had changed before that.
    WindowGlueWorld(HWND bar, HWND previousForeground, int ticksSinceChange, GlueSettings& settings);

    std::string ForegroundClass() override;
    bool ForegroundIsBar() override;
    bool ForegroundMinimised() override;
    bool ForegroundOnBarThread() override;
    bool BarVisible() override;
    Rect ForegroundRect() override;
    bool ForegroundChangedLately() override;
    // The count to hand to the next tick's world.
    int TicksSinceChange() const;
    HWND Foreground() const { return foreground_; }
    Rect BarRect() override;
    int GlueSetting() override;
    int GlueX() override;
    int GlueY() override;

private:
    HWND bar_;
    HWND previous_;
    int ticksSinceChange_;
    GlueSettings& settings_;
    HWND foreground_;
};

Rect WindowRectOf(HWND window);

}  // namespace quorbel
