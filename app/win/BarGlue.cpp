#include "app/win/BarGlue.h"

#include "app/win/WindowGlueWorld.h"
#include "config/ConfigNames.h"
#include "config/IniPath.h"
#include "config/IniSection.h"
#include "config/ProfileApi.h"
#include "framework/MessageLoop.h"
#include "host/win/HostControl.h"

namespace quorbel {

namespace {

IniSection MainSettings()
{
    return IniSection(kMainSection, IniPath(kMainIniFile));
}

class SettingsFromFile final : public GlueSettings {
public:
    int Glue() override { return MainSettings().ReadInt(key::kGlue, kDefaultGlue); }
    int GlueX() override { return MainSettings().ReadInt(key::kGlueX, kDefaultGlueX); }
    int GlueY() override { return MainSettings().ReadInt(key::kGlueY, kDefaultGlueY); }
};

}  // namespace

GlueSettings& FileGlueSettings()
{
    static SettingsFromFile settings;
    return settings;
}

void SaveGlueOffset(HWND bar)
{
    HWND host = FindHostWindow();
    if (!host || IsIconic(host))
        return;
    const Point offset = GlueOffset(WindowRectOf(host), WindowRectOf(bar));
    const IniSection settings = MainSettings();
    settings.WriteInt(key::kGlueX, offset.x);
    settings.WriteInt(key::kGlueY, offset.y);
}

GlueStep BarGlue::Decide(HWND bar, const std::function<void()>& readAlso)
{
    // The settings of one tick come from one version of the files, checked once, or not
    // at all when the loop that took the tick's message has just seen that nothing in
    // their folder changed. The reading ends before the bar is moved or shown: a show can
    // reload the buttons and a reload can show a message box, whose loop runs ticks of
    // its own that must look at the files afresh.
    const OneReading reading(fw::ClaimQuietArrival(bar, WM_TIMER));
    if (readAlso)
        readAlso();
    const DragStep drag = DecideDrag(GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_LBUTTON) < 0, dragging_);
    if (drag.saveOffset)
        SaveGlueOffset(bar);
    dragging_ = drag.dragging;

    WindowGlueWorld world(bar, lastForeground_, ticksSinceForegroundChange_, settings_);
    const GlueStep step = DecideGlue(world);
    lastForeground_ = world.Foreground();
    // A bar just shown keeps asserting its place as well: the host it appears beside
    // (restored from the taskbar, say) may reach the screen after it.
    ticksSinceForegroundChange_ = step.show ? 0 : world.TicksSinceChange();
    return step;
}

void BarGlue::Tick(HWND bar, const std::function<void()>& readAlso)
{
    const GlueStep step = Decide(bar, readAlso);

    // Neither following the host nor appearing beside it may take the focus from it.
    constexpr UINT kKeepFocus = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    if (step.moveTo)
        SetWindowPos(bar, HWND_TOP, step.moveTo->x, step.moveTo->y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    if (step.show) {
        ShowWindow(bar, SW_SHOWNA);
        SetWindowPos(bar, HWND_TOPMOST, 0, 0, 0, 0, kKeepFocus);
    }
    if (step.raise) {
        // Leaving the topmost band and coming back restacks the bar on screen as well;
        // asking for the topmost place it already holds would change nothing.
        SetWindowPos(bar, HWND_NOTOPMOST, 0, 0, 0, 0, kKeepFocus);
        SetWindowPos(bar, HWND_TOPMOST, 0, 0, 0, 0, kKeepFocus);
    }
    if (step.hide)
        ShowWindow(bar, SW_HIDE);
}

}  // namespace quorbel
