#include "app/GlueTick.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

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
    Rect host{200, 150, 1000, 750};
    Rect bar{300, 250, 500, 270};
    int glue = 1;
    int glueX = 100;
    int glueY = 100;
    std::multiset<std::string> asked;

    std::string ForegroundClass() override { asked.insert("class"); return foregroundClass; }
    bool ForegroundIsBar() override { asked.insert("isBar"); return foregroundIsBar; }
    bool ForegroundMinimised() override { asked.insert("minimised"); return minimised; }
    bool ForegroundOnBarThread() override { asked.insert("thread"); return onBarThread; }
    bool BarVisible() override { asked.insert("visible"); return barVisible; }
    Rect ForegroundRect() override { asked.insert("hostRect"); return host; }
    Rect BarRect() override { asked.insert("barRect"); return bar; }
    bool foregroundChanged = false;
    bool ForegroundChangedLately() override { asked.insert("changed"); return foregroundChanged; }
    int GlueSetting() override { asked.insert("bGlue"); return glue; }
    int GlueX() override { asked.insert("iGlueX"); return glueX; }
    int GlueY() override { asked.insert("iGlueY"); return glueY; }
};

TEST(DecideDrag, TracksCtrlDragAndSavesOnRelease)
{
    struct Case {
        bool ctrl, left, dragging;
        bool save, draggingAfter;
    };
    const Case cases[] = {
        {true, true, false, false, true},    // Ctrl + button starts a drag
        {true, true, true, false, true},     // still dragging
        {false, true, true, false, true},    // Ctrl released, button held: nothing changes
        {false, false, true, true, false},   // button released: store the offset, stop
        {true, false, true, true, false},    // released with Ctrl still down: same
        {false, false, false, false, false}, // idle
        {false, true, false, false, false},  // a plain click is no drag
        {true, false, false, false, false},  // Ctrl alone is no drag
    };
    for (const Case& c : cases) {
        const DragStep step = DecideDrag(c.ctrl, c.left, c.dragging);
        EXPECT_EQ(step.saveOffset, c.save) << c.ctrl << c.left << c.dragging;
        EXPECT_EQ(step.dragging, c.draggingAfter) << c.ctrl << c.left << c.dragging;
    }
}

TEST(DecideGlue, FollowsTheHostAtTheStoredOffset)
{
    ScriptedWorld world;
    world.glueX = 250;
    world.glueY = 3;
    const GlueStep step = DecideGlue(world);
    ASSERT_TRUE(step.moveTo.has_value());
    EXPECT_EQ(*step.moveTo, (Point{450, 153}));
    EXPECT_FALSE(step.show);  // already visible
    EXPECT_FALSE(step.hide);
}

TEST(DecideGlue, IdleTickMovesNothingAndAsksNoMore)
{
    ScriptedWorld world;
    world.bar = Rect{300, 250, 500, 270};  // host + (100, 100): where it belongs
    const GlueStep step = DecideGlue(world);
    EXPECT_FALSE(step.moveTo.has_value());
    EXPECT_FALSE(step.show);
    EXPECT_FALSE(step.hide);
    EXPECT_EQ(world.asked.count("thread"), 0u);
}

TEST(DecideGlue, NegativeOffsetsAreHonoured)
{
    ScriptedWorld world;
    world.glueX = -40;
    world.glueY = -25;
    const GlueStep step = DecideGlue(world);
    ASSERT_TRUE(step.moveTo.has_value());
    EXPECT_EQ(*step.moveTo, (Point{160, 125}));
}

TEST(DecideGlue, AbsurdOffsetsSaturateInsteadOfOverflowing)
{
    ScriptedWorld world;
    world.host = Rect{2000, -2000, 3000, -1000};
    world.glueX = 2000000000;
    world.glueY = -2000000000;
    world.glue = 1;
    GlueStep step = DecideGlue(world);
    ASSERT_TRUE(step.moveTo.has_value());
    EXPECT_EQ(step.moveTo->x, 2000002000);
    EXPECT_EQ(step.moveTo->y, -2000002000);

    world.host.left = INT_MAX - 5;
    world.glueX = INT_MAX;
    world.host.top = INT_MIN + 5;
    world.glueY = INT_MIN;
    step = DecideGlue(world);
    ASSERT_TRUE(step.moveTo.has_value());
    EXPECT_EQ(step.moveTo->x, INT_MAX);
    EXPECT_EQ(step.moveTo->y, INT_MIN);
}

TEST(DecideGlue, GlueOffKeepsTheBarWhereItIsButStillShowsIt)
{
    ScriptedWorld world;
    world.glue = 0;
    world.barVisible = false;
    const GlueStep step = DecideGlue(world);
    EXPECT_FALSE(step.moveTo.has_value());
    EXPECT_TRUE(step.show);
    EXPECT_EQ(world.asked.count("iGlueX"), 0u);
    EXPECT_EQ(world.asked.count("iGlueY"), 0u);
}

TEST(DecideGlue, AnyNonZeroGlueValueGlues)
{
    for (int value : {1, 2, -1, 77}) {
        ScriptedWorld world;
        world.glue = value;
        world.glueX = 5;
        EXPECT_TRUE(DecideGlue(world).moveTo.has_value()) << value;
    }
}

TEST(DecideGlue, ShowsWhenTheHostComesToTheFront)
{
    ScriptedWorld world;
    world.barVisible = false;
    const GlueStep step = DecideGlue(world);
    EXPECT_TRUE(step.show);
    EXPECT_FALSE(step.hide);
}

TEST(DecideGlue, HostComingToTheFrontUnderAVisibleBarRaisesIt)
{
    ScriptedWorld world;
    world.foregroundChanged = true;
    GlueStep step = DecideGlue(world);
    EXPECT_TRUE(step.raise);
    EXPECT_FALSE(step.show);

    world.foregroundChanged = false;  // the host stays in front: leave the stacking alone
    EXPECT_FALSE(DecideGlue(world).raise);

    world.foregroundChanged = true;
    world.barVisible = false;  // showing stacks the bar on top anyway
    step = DecideGlue(world);
    EXPECT_TRUE(step.show);
    EXPECT_FALSE(step.raise);

    world.barVisible = true;
    world.minimised = true;
    EXPECT_FALSE(DecideGlue(world).raise);
}

TEST(DecideGlue, HostClassMatchesInAnyLetterCase)
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
        EXPECT_FALSE(step.show) << name;
        EXPECT_FALSE(step.moveTo.has_value()) << name;
        EXPECT_EQ(world.asked.count("bGlue"), 0u) << "settings are read only while the host is in front";
    }
}

TEST(DecideGlue, MinimisedHostHidesTheBarAndMovesNothing)
{
    ScriptedWorld world;
    world.minimised = true;
    world.glueX = 7;
    const GlueStep step = DecideGlue(world);
    EXPECT_FALSE(step.moveTo.has_value());
    EXPECT_FALSE(step.show);
    EXPECT_TRUE(step.hide);
    EXPECT_EQ(world.asked.count("hostRect"), 0u);

    world.barVisible = false;  // already hidden: nothing more to do
    EXPECT_FALSE(DecideGlue(world).hide);
}

TEST(DecideGlue, AnotherProgramInFrontHidesTheBar)
{
    ScriptedWorld world;
    world.foregroundClass = "Notepad";
    EXPECT_TRUE(DecideGlue(world).hide);

    world.barVisible = false;
    EXPECT_FALSE(DecideGlue(world).hide);
}

TEST(DecideGlue, TheProgramsOwnWindowsKeepTheBarAsItIs)
{
    ScriptedWorld dialog;  // a dialog or menu of the bar's thread
    dialog.foregroundClass = "#32770";
    dialog.onBarThread = true;
    EXPECT_FALSE(DecideGlue(dialog).hide);

    ScriptedWorld bar;  // the bar itself: nothing at all
    bar.foregroundClass = "#32770";
    bar.foregroundIsBar = true;
    const GlueStep step = DecideGlue(bar);
    EXPECT_FALSE(step.hide);
    EXPECT_FALSE(step.show);
    EXPECT_EQ(bar.asked.count("visible"), 0u);
}

TEST(DecideGlue, NoForegroundWindowCountsAsAnotherProgram)
{
    ScriptedWorld world;
    world.foregroundClass = "";
    world.onBarThread = false;
    EXPECT_TRUE(DecideGlue(world).hide);
}

TEST(GlueOffset, IsTheBarCornerRelativeToTheHostCorner)
{
    EXPECT_EQ(GlueOffset(Rect{200, 150, 900, 700}, Rect{450, 153, 600, 170}), (Point{250, 3}));
    EXPECT_EQ(GlueOffset(Rect{200, 150, 900, 700}, Rect{10, 20, 60, 40}), (Point{-190, -130}));
    EXPECT_EQ(GlueOffset(Rect{INT_MIN, 0, 0, 0}, Rect{INT_MAX, 0, 0, 0}).x, INT_MAX);
}

}  // namespace
}  // namespace quorbel
