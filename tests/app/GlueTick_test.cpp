#include "app/GlueTick.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

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
        EXPECT_EQ(step.saveOffset, c.save) << c.ctrl << c.left << c.dragging;
        EXPECT_EQ(step.dragging, c.after) << c.ctrl << c.left << c.dragging;
    }
}

TEST(DecideGlue, FollowsTheHostAtTheStoredOffsetNegativeOnesToo)
{
    const struct {
        int gx, gy;
        Point expected;
    } cases[] = {{250, 3, {450, 153}}, {-40, -25, {160, 125}}};
    for (const auto& c : cases) {
        ScriptedWorld world;
        world.glueX = c.gx;
        world.glueY = c.gy;
        const GlueStep step = DecideGlue(world);
        ASSERT_TRUE(step.moveTo.has_value());
        EXPECT_EQ(*step.moveTo, c.expected);
        EXPECT_FALSE(step.show || step.hide);
    }
}

TEST(DecideGlue, IdleTickMovesNothingAndAsksNoMore)
{
    ScriptedWorld world;
    const GlueStep step = DecideGlue(world);
    EXPECT_FALSE(step.moveTo || step.show || step.hide || step.raise);
    EXPECT_EQ(world.asked.count("thread"), 0u);
}

TEST(DecideGlue, AbsurdOffsetsSaturateInsteadOfOverflowing)
{
    ScriptedWorld world;
    world.host.left = INT_MAX - 5;
    world.glueX = INT_MAX;
    world.host.top = INT_MIN + 5;
    world.glueY = INT_MIN;
    const GlueStep step = DecideGlue(world);
    ASSERT_TRUE(step.moveTo.has_value());
    EXPECT_EQ(*step.moveTo, (Point{INT_MAX, INT_MIN}));
    EXPECT_EQ(GlueOffset(Rect{INT_MIN, 0, 0, 0}, Rect{INT_MAX, 0, 0, 0}).x, INT_MAX);
}

TEST(DecideGlue, GlueSettingDecidesMovingButNotShowing)
{
    for (int value : {0, 1, 2, -1}) {
        ScriptedWorld world;
        world.glue = value;
        world.glueX = 5;
        world.barVisible = false;
        const GlueStep step = DecideGlue(world);
        EXPECT_EQ(step.moveTo.has_value(), value != 0) << value;
        EXPECT_TRUE(step.show) << value;
        if (value == 0) {
            EXPECT_EQ(world.asked.count("iGlueX"), 0u);
        }
    }
}

TEST(DecideGlue, HostClassMatchesInAnyLetterCaseAndNothingElse)
{
    for (const char* name : {"TTOTAL_CMD", "ttotal_cmd", "TTotal_Cmd"}) {
        ScriptedWorld world;
        world.foregroundClass = name;
        world.barVisible = false;
        EXPECT_TRUE(DecideGlue(world).show) << name;
    }
    for (const char* name : {"TTOTAL_CMD2", "TTOTAL_CM", "Notepad", ""}) {
        ScriptedWorld world;
        world.foregroundClass = name;
        world.barVisible = false;
        const GlueStep step = DecideGlue(world);
        EXPECT_FALSE(step.show || step.moveTo) << name;
        EXPECT_EQ(world.asked.count("bGlue"), 0u) << "settings are read only while the host is in front";
    }
}

TEST(DecideGlue, WhoIsInFrontDecidesHiding)
{
    const struct {
        const char* what;
        std::string foregroundClass;
        bool minimised, onBarThread, isBar, visible, hide;
    } cases[] = {
        {"host minimised", "TTOTAL_CMD", true, false, false, true, true},
        {"host minimised, bar already hidden", "TTOTAL_CMD", true, false, false, false, false},
        {"another program", "Notepad", false, false, false, true, true},
        {"no foreground window at all", "", false, false, false, true, true},
        {"the program's own dialog", "#32770", false, true, false, true, false},
        {"the bar itself", "#32770", false, true, true, true, false},
    };
    for (const auto& c : cases) {
        ScriptedWorld world;
        world.foregroundClass = c.foregroundClass;
        world.minimised = c.minimised;
        world.onBarThread = c.onBarThread;
        world.foregroundIsBar = c.isBar;
        world.barVisible = c.visible;
        const GlueStep step = DecideGlue(world);
        EXPECT_EQ(step.hide, c.hide) << c.what;
        EXPECT_FALSE(step.moveTo.has_value()) << c.what;
    }
}

TEST(DecideGlue, HostJustInFrontUnderAVisibleBarRaisesIt)
{
    ScriptedWorld world;
    world.foregroundChanged = true;
    EXPECT_TRUE(DecideGlue(world).raise);
    world.foregroundChanged = false;  // the host stays in front: leave the stacking alone
    EXPECT_FALSE(DecideGlue(world).raise);
    world.foregroundChanged = true;
    world.barVisible = false;  // showing stacks the bar on top anyway
    EXPECT_FALSE(DecideGlue(world).raise);
}

TEST(FitBarToToolbar, PushesTheToolbarBorderOutOfTheBarAndNeverGoesNegative)
{
    const BarFit fit = FitBarToToolbar(30, 250);
    EXPECT_EQ(fit.toolbar, (Rect{-7, -5, 249, 32}));  // width R + 6, height cy + 7
    EXPECT_EQ(fit.barWidth, 248);                      // R - 2
    EXPECT_EQ(fit.barHeight, 20);                      // cy - 10
    const BarFit none = FitBarToToolbar(-3, -9);
    EXPECT_EQ(none.barWidth, 0);
    EXPECT_EQ(none.barHeight, 0);
}

}  // namespace
}  // namespace quorbel
