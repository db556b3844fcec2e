#pragma once
#include <windows.h>

#include "app/GlueTick.h"

namespace quorbel {

// The glue tick's questions answered by the window system and the settings file, at the
// moment the tick asks them.
class WindowGlueWorld final : public GlueWorld {
public:
    explicit WindowGlueWorld(HWND bar);

    std::string ForegroundClass() override;
    bool ForegroundIsBar() override;
    bool ForegroundMinimised() override;
    bool ForegroundOnBarThread() override;
    bool BarVisible() override;
    Rect ForegroundRect() override;
    Rect BarRect() override;
    int GlueSetting() override;
    int GlueX() override;
    int GlueY() override;

private:
    HWND bar_;
    HWND foreground_;
};

Rect WindowRectOf(HWND window);

}  // namespace quorbel
