#pragma once
#include <optional>
#include <string>

#include "base/Geometry.h"

namespace quorbel {

// What one glue tick may ask about the world, in the order it asks. The bar's window
// answers from the window system and the settings file; tests answer from a script.
// Nothing is asked that the decision does not need.
class GlueWorld {
public:
    virtual ~GlueWorld() = default;

    // The class name of the foreground window; empty when there is none.
    virtual std::string ForegroundClass() = 0;
    virtual bool ForegroundIsBar() = 0;
    virtual bool ForegroundMinimised() = 0;
    // True when the foreground window belongs to the bar's own thread (its dialogs,
    // menus and message boxes).
    virtual bool ForegroundOnBarThread() = 0;
    virtual bool BarVisible() = 0;
    virtual Rect ForegroundRect() = 0;
    // True for a short while after the foreground window changed: a window that comes
    // to the front may reach the screen some ticks after it was activated.
    virtual bool ForegroundChangedLately() = 0;
    virtual Rect BarRect() = 0;

    // Settings, read afresh on every tick that needs them.
    virtual int GlueSetting() = 0;
    virtual int GlueX() = 0;
    virtual int GlueY() = 0;
};

// How many ticks after a change of the foreground window the bar keeps asserting its
// place on top of the host (half a second).
inline constexpr int kRaiseTicksAfterChange = 10;

// Step one of a tick: tracking a Ctrl-drag of the bar.
struct DragStep {
    bool saveOffset = false;  // the drag ended: store the bar's offset from the host
    bool dragging = false;    // the drag flag after this tick
};

DragStep DecideDrag(bool ctrlDown, bool leftButtonDown, bool dragging);

// The rest of a tick: following the host and showing or hiding.
struct GlueStep {
    std::optional<Point> moveTo;  // move the bar there (without activating it)
    bool show = false;            // show the bar (without activating it), topmost
    bool hide = false;            // hide the bar
    // The host has just come to the front under a bar that stays visible: put the bar
    // back on top of it. Some window systems stack an activated window above a topmost
    // one on screen while their own Z-order still says otherwise.
    bool raise = false;
};

GlueStep DecideGlue(GlueWorld& world);

// True when `className` is the host's main window class, in any letter case.
bool IsHostClass(const std::string& className);

// The offset SaveGlueOffset stores: the bar's top-left corner relative to the host's.
Point GlueOffset(const Rect& host, const Rect& bar);

}  // namespace quorbel
