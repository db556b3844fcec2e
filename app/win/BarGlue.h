#pragma once
#include <windows.h>

#include <functional>

#include "app/GlueTick.h"

namespace quorbel {

// The three settings a glue tick reads. The bar reads them from the file on every tick;
// a benchmark gives them fixed, to measure what the tick costs without them.
class GlueSettings {
public:
    virtual ~GlueSettings() = default;
    virtual int Glue() = 0;
    virtual int GlueX() = 0;
    virtual int GlueY() = 0;
};

// bGlue, iGlueX and iGlueY of section "main", read at the moment they are asked for.
GlueSettings& FileGlueSettings();

// Stores the bar's offset from the host's window; nothing when the host is absent or
// minimised.
void SaveGlueOffset(HWND bar);

// What the bar's 50 ms timer does: tracks a Ctrl-drag, follows the host's window, and
// shows or hides the bar with it, all without activating the bar.
class BarGlue {
public:
    explicit BarGlue(GlueSettings& settings = FileGlueSettings()) : settings_(settings) {}

    // `readAlso` reads other settings of this tick in the same look at the files (the
    // quiet loop's report holds for the first reading of a message only).
    void Tick(HWND bar, const std::function<void()>& readAlso = nullptr);

    // A Ctrl-press on the toolbar starts moving the bar: the move loop need not let a
    // tick through while the button is down, so the drag is noted here.
    void NoteDragStart() { dragging_ = true; }

private:
    // Everything a tick asks, read while no window message can be handled.
    GlueStep Decide(HWND bar, const std::function<void()>& readAlso);

    GlueSettings& settings_;
    bool dragging_ = false;
    HWND lastForeground_ = nullptr;
    int ticksSinceForegroundChange_ = kRaiseTicksAfterChange;
};

}  // namespace quorbel
