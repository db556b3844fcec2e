#include "app/win/BarFitting.h"

#include "app/BarFit.h"
#include "config/ConfigNames.h"
#include "config/IniPath.h"
#include "config/IniSection.h"

namespace quorbel {

void FitBarToToolBar(HWND bar, const fw::ToolBar& toolbar, bool initial)
{
    const SIZE layout = toolbar.CalcFixedLayout();
    const int count = toolbar.ButtonCount();
    const int lastRight = count > 0 ? toolbar.ItemRect(count - 1).right : 0;
    const BarFit fit = FitBarToToolbar(layout.cy, lastRight);

    MoveWindow(toolbar.hwnd(), fit.toolbar.left, fit.toolbar.top, fit.toolbar.Width(), fit.toolbar.Height(), TRUE);

    int x = 0;
    int y = 0;
    UINT flags = SWP_SHOWWINDOW | SWP_NOACTIVATE;
    if (initial) {
        const IniSection settings(kMainSection, IniPath(kMainIniFile));
        x = settings.ReadInt(key::kX, kDefaultBarX);
        y = settings.ReadInt(key::kY, kDefaultBarY);
    } else {
        flags |= SWP_NOMOVE;
    }
    // Showing must not activate the bar: the keyboard focus stays with the host.
    SetWindowPos(bar, HWND_TOPMOST, x, y, fit.barWidth, fit.barHeight, flags);
}

}  // namespace quorbel
