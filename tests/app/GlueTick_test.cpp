#include "app/GlueTick.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <tuple>

#include "app/BarFit.h"

namespace quorbel {
namespace {

// A world described by its fields; it notes which questions the tick asked, so that a
// test can tell that settings are read only when they matter.
struct ScriptedWorld : GlueWorld {
    std::string foregroundClass = "TTOTAL_CMD";
    bool foregroundIsBar = false;
    bool minimised = false;
    bool onBarThread = false;
    bool barVisible = true;
    bool foregroundChanged = false;
    Rect host{200, 150, 1000, 750};
    Rect bar{300, 250, 500, 270};  // at host + (100, 100)
    int glue = 1;
    int glueX = 100;
    int glueY = 100;
    std::multiset<std::string> asked;

    std::string ForegroundClass() override { return Ask("class"), foregroundClass; }
    bool ForegroundIsBar() override { return Ask("isBar"), foregroundIsBar; }
    bool ForegroundMinimised() override { return Ask("minimised"), minimised; }
    bool ForegroundOnBarThread() override { return Ask("thread"), onBarThread; }
    bool BarVisible() override { return Ask("visible"), barVisible; }
    Rect ForegroundRect() override { return Ask("hostRect"), host; }
    Rect BarRect() override { return Ask("barRect"), bar; }
    bool ForegroundChangedLately() override { return Ask("changed"), foregroundChanged; }
    int GlueSetting() override { return Ask("bGlue"), glue; }
    int GlueX() override { return Ask("iGlueX"), glueX; }
    int GlueY() override { return Ask("iGlueY"), glueY; }
    void Ask(const char* what) { asked.insert(what); }
};

TEST(DecideDrag, TracksCtrlDragAndSavesOnRelease)
{
    struct Case {
        bool ctrl, left, dragging, save, after;
    } const cases[] = {
        {true, true, false, false, true},    // Ctrl + button starts a drag
        {false, true, true, false, true},    // Ctrl let go, button held: nothing changes
        {false, false, true, true, false},   // button released: store the offset, stop
        {true, false, true, true, false},    // released with Ctrl still down: the same
        {false, true, false, false, false},  // a plain click is no drag
        {true, false, false, false, false},  // Ctrl alone is no drag
    };
    for (const Case& c : cases) {
        const DragStep step = DecideDrag(c.ctrl, c.left, c.dragging);
        EXPECT_EQ(std::tie(step.saveOffset, step.dragging), std::tie(c.save, c.after)) << c.ctrl << c.left << c.dragging;
    }
}

// Each case changes the default world (host in front, bar visible at its offset) and
// names a question the tick must not have asked: settings are read only while the host
// is in front and gluing is on, the thread only when the bar might hide.
TEST(DecideGlue, FollowsShowsHidesAndRaisesAsTheForegroundSays)
{
    using Set = void (*)(ScriptedWorld&);
    const struct {
        const char* what;
        Set set;
        std::optional<Point> moveTo;
        bool show, hide, raise;
        const char* notAsked;
    } cases[] = {
        {"idle", [](ScriptedWorld&) {}, std::nullopt, false, false, false, "thread"},
        {"negative offset", [](ScriptedWorld& w) { w.glueX = -40, w.glueY = -25; }, Point{160, 125}, false, false,
         false, ""},
        {"absurd offsets saturate",
         [](ScriptedWorld& w) {
             w.host.left = INT_MAX - 5, w.glueX = INT_MAX;
             w.host.top = INT_MIN + 5, w.glueY = INT_MIN;
         },
         Point{INT_MAX, INT_MIN}, false, false, false, ""},
        {"glue 0 shows but never moves", [](ScriptedWorld& w) { w.glue = 0, w.glueX = 5, w.barVisible = false; },
         std::nullopt, true, false, false, "iGlueX"},
        {"glue 2 is on", [](ScriptedWorld& w) { w.glue = 2, w.glueX = 5, w.barVisible = false; }, Point{205, 250},
         true, false, false, ""},
        {"host class in any case", [](ScriptedWorld& w) { w.foregroundClass = "TTotal_Cmd", w.barVisible = false; },
         std::nullopt, true, false, false, ""},
        {"longer class", [](ScriptedWorld& w) { w.foregroundClass = "TTOTAL_CMD2", w.barVisible = false; },
         std::nullopt, false, false, false, "bGlue"},
        {"another program", [](ScriptedWorld& w) { w.foregroundClass = "XTOTAL_CMD"; }, std::nullopt, false, true,
         false, "bGlue"},
        {"host minimised", [](ScriptedWorld& w) { w.minimised = true; }, std::nullopt, false, true, false, "iGlueX"},
        {"no foreground window", [](ScriptedWorld& w) { w.foregroundClass = ""; }, std::nullopt, false, true, false, ""},
        {"own dialog", [](ScriptedWorld& w) { w.foregroundClass = "#32770", w.onBarThread = true; }, std::nullopt,
         false, false, false, ""},
        {"the bar itself", [](ScriptedWorld& w) { w.foregroundClass = "#32770", w.foregroundIsBar = true; },
         std::nullopt, false, false, false, "thread"},
        {"host just in front", [](ScriptedWorld& w) { w.foregroundChanged = true; }, std::nullopt, false, false, true,
         ""},
        // Showing stacks the bar on top anyway.
        {"host just in front, bar hidden", [](ScriptedWorld& w) { w.foregroundChanged = true, w.barVisible = false; },
         std::nullopt, true, false, false, ""},
    };
    for (const auto& c : cases) {
        ScriptedWorld world;
        c.set(world);
        const GlueStep step = DecideGlue(world);
        EXPECT_EQ(step.moveTo, c.moveTo) << c.what;
        EXPECT_EQ(std::tie(step.show, step.hide, step.raise), std::tie(c.show, c.hide, c.raise)) << c.what;
        EXPECT_EQ(world.asked.count(c.notAsked), 0u) << c.what << " asked " << c.notAsked;
    }
    EXPECT_EQ(GlueOffset(Rect{INT_MIN, 0, 0, 0}, Rect{INT_MAX, 0, 0, 0}).x, INT_MAX);
}

// The toolbar's border strip goes outside the bar, so the bar is as big as its buttons.
TEST(FitBarToToolbar, PushesTheToolbarBorderOutOfTheBar)
{
    const BarFit fit = FitBarToToolbar(30, 250);
    EXPECT_EQ(fit.toolbar, (Rect{-7, -5, 249, 32}));  // width R + 6, height cy + 7
    EXPECT_EQ(std::tie(fit.barWidth, fit.barHeight), std::make_tuple(248, 20));
}

}  // namespace
}  // namespace quorbel
