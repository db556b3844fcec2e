// The bar glued to the stand-in host: where it goes, when it shows and hides, what a
// Ctrl-drag stores, and that none of it takes the keyboard focus from the host.
#include "tests/e2e/support/E2eTest.h"

namespace quorbel::e2e {
namespace {

// Generous for a loaded machine; the bar's speed is for the benchmarks.
constexpr std::chrono::milliseconds kSoon = 2s;

std::string MainWith(const std::string& settings)
{
    return "[main]\nsize=1\nbTray=0\n" + settings + "[0]\nsButtonText=Windows\nsFolderPath=C:\\windows\nsubkey=k\n";
}

// A window of another program: the test's own process is not the bar's.
struct OtherProgramWindow {
    HWND hwnd = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700, 500, 300, 200,
                                nullptr, nullptr, nullptr, nullptr);
    ~OtherProgramWindow() { DestroyWindow(hwnd); }
};

bool InMoveLoop(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && (info.flags & GUI_INMOVESIZE);
}

// Presses at `from`, waits until the window system moves the window, follows it in steps
// to `to` and lets go: events sent all at once would be over before the move began.
bool DragAtHumanPace(HWND window, POINT from, POINT to)
{
    MoveMouse(from);
    MouseDown(MouseButton::Left);
    const bool moving = WaitUntil([&] { return InMoveLoop(window); }, 2s);
    constexpr int kSteps = 5;
    for (int i = 1; i <= kSteps && moving; ++i) {
        const RECT before = WindowRectOf(window);
        MoveMouse(POINT{from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps});
        WaitUntil([&] { return WindowRectOf(window).left != before.left; }, 1s);
    }
    MouseUp(MouseButton::Left);
    WaitUntil([&] { return !InMoveLoop(window); }, 2s);
    return moving;
}

class GlueTest : public E2eTest {
protected:
    HWND StartGlued(const std::string& settings) { return StartBar(MainWith(settings)); }

    bool BarAt(HWND bar, int x, int y)
    {
        const RECT r = WindowRectOf(bar);
        return IsWindowVisible(bar) && r.left == x && r.top == y;
    }

    static int ButtonFacePixels(HWND bar)
    {
        return Screenshot::Of(WindowRectOf(bar)).Count(WindowRectOf(bar), GetSysColor(COLOR_BTNFACE));
    }

    bool HostKeepsTheFocus()
    {
        return HoldsFor([&] { return GetForegroundWindow() == host_->Window(); }, 4 * kTickPeriod);
    }
};

TEST_F(GlueTest, ShowsWithTheHostAndHidesForOtherPrograms)
{
    const HWND bar = StartGlued("");
    const RECT host = WindowRectOf(host_->Window());
    ASSERT_TRUE(WaitUntil([&] { return BarAt(bar, host.left + 100, host.top + 100); }, kSoon));

    OtherProgramWindow other;
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(BringToForeground(other.hwnd));
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(bar); }, kSoon, Phase::Random)) << round;
        ASSERT_TRUE(BringToForeground(host_->Window()));
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(bar); }, kSoon, Phase::Random)) << round;
        // Appearing beside the host must not take the focus from it.
        EXPECT_TRUE(HostKeepsTheFocus()) << "round " << round << ", in front: " << ForegroundClassName();
    }
    ASSERT_TRUE(SendWithTimeout(host_->Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0).has_value());
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(bar); }, kSoon, Phase::Random)) << "host minimised";
    ASSERT_TRUE(SendWithTimeout(host_->Window(), WM_SYSCOMMAND, SC_RESTORE, 0).has_value());
    ASSERT_TRUE(BringToForeground(host_->Window()));
    // Shown on top of the host on the screen too, not only in the window list: the bar
    // lies over the host's white folder list, and its toolbar is painted in button face.
    EXPECT_TRUE(WaitUntil([&] { return ButtonFacePixels(bar) > 50; }, kSoon)) << ButtonFacePixels(bar);
}

TEST_F(GlueTest, StoredNegativeOffsetIsHonouredAndAHandEditMovesTheBarAtOnce)
{
    const HWND bar = StartGlued("iGlueX=-30\niGlueY=-12\n");
    const RECT host = WindowRectOf(host_->Window());
    EXPECT_TRUE(WaitUntil([&] { return BarAt(bar, host.left - 30, host.top - 12); }, kSoon, Phase::Random));
    // Same length, same second: the next tick must still see it.
    WritePrivateProfileStringA("main", "iGlueX", "-70", session.QuorbelIniPath().c_str());
    EXPECT_TRUE(WaitUntil([&] { return BarAt(bar, host.left - 70, host.top - 12); }, kSoon, Phase::Random));
    EXPECT_TRUE(HostKeepsTheFocus()) << "in front instead: " << ForegroundClassName();
}

TEST_F(GlueTest, GlueOffKeepsTheBarStillButItStillShowsAndHides)
{
    const HWND bar = StartGlued("bGlue=0\nx=30\ny=600\n");
    ASSERT_TRUE(WaitUntil([&] { return BarAt(bar, 30, 600); }, kSoon));
    EXPECT_TRUE(HoldsFor([&] { return BarAt(bar, 30, 600); }, 6 * kTickPeriod));

    OtherProgramWindow other;
    ASSERT_TRUE(BringToForeground(other.hwnd));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(bar); }, kSoon, Phase::Random));
    ASSERT_TRUE(BringToForeground(host_->Window()));
    EXPECT_TRUE(WaitUntil([&] { return BarAt(bar, 30, 600); }, kSoon, Phase::Random));
}

TEST_F(GlueTest, TheProgramsOwnAboutBoxKeepsTheBarVisibleAndEscapeEndsNothing)
{
    const HWND bar = StartGlued("");
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(bar); }, kSoon));
    PostMessageW(bar, WM_COMMAND, 16, 0);  // the tray menu's About item
    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        for (HWND dialog : DialogsOf(session.Quorbel().Id()))
            if (dialog != bar && IsWindowVisible(dialog))
                about = dialog;
        return about != nullptr;
    }));
    ASSERT_TRUE(BringToForeground(about));
    EXPECT_TRUE(HoldsFor([&] { return IsWindowVisible(bar); }, 6 * kTickPeriod));
    PostMessageW(about, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
    // Escape in the bar ends nothing, as a key or as the command it becomes.
    PostKey(bar, VK_ESCAPE);
    PostMessageW(bar, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(HoldsFor([&] { return session.Quorbel().IsRunning() && IsWindow(bar); }, 6 * kTickPeriod));
}

TEST_F(GlueTest, CtrlDragStoresTheNewOffsetButNotWhileTheHostIsMinimised)
{
    const HWND bar = StartGlued("iGlueX=100\niGlueY=100\n");
    const RECT host = WindowRectOf(host_->Window());
    ASSERT_TRUE(WaitUntil([&] { return BarAt(bar, host.left + 100, host.top + 100); }, kSoon));
    const std::string ini = session.QuorbelIniPath();
    POINT from = CentreOf(bar);
    {
        const XHeldCtrl ctrl;
        ASSERT_TRUE(DragAtHumanPace(bar, from, POINT{from.x + 60, from.y + 35}));
    }
    EXPECT_TRUE(WaitUntil([&] {
        return ReadIniInt(ini, "main", "iGlueX", 0) == 160 && ReadIniInt(ini, "main", "iGlueY", 0) == 135;
    }, kSoon)) << "stored " << ReadIniInt(ini, "main", "iGlueX", 0) << "," << ReadIniInt(ini, "main", "iGlueY", 0);
    // The toolbar never saw the press: no folder change was typed.
    EXPECT_FALSE(host_->Log().Contains("return cd C:\\windows"));

    // The bar's own window in front keeps it shown while the host goes down.
    const std::string before = test::ReadFileBytes(ini);
    ASSERT_TRUE(BringToForeground(bar));
    ASSERT_TRUE(SendWithTimeout(host_->Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0).has_value());
    ASSERT_TRUE(IsIconic(host_->Window()));
    from = CentreOf(bar);
    {
        const XHeldCtrl ctrl;
        DragAtHumanPace(bar, from, POINT{from.x + 40, from.y + 40});
    }
    EXPECT_TRUE(HoldsFor([&] { return test::ReadFileBytes(ini) == before; }, 6 * kTickPeriod));
}

TEST_F(GlueTest, HostClosedKilledOrDoubledLeavesTheBarWorking)
{
    const HWND bar = StartGlued("");
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(bar); }, kSoon));

    // A second host in front: the bar follows it.
    HostOptions second;
    second.rect = RECT{500, 400, 400, 300};
    StandInHost& other = session.StartHost(second);
    ASSERT_TRUE(BringToForeground(other.Window()));
    EXPECT_TRUE(WaitUntil([&] { return BarAt(bar, 600, 500); }, kSoon, Phase::Random));

    // Killed, then closed: no host is left; the bar hides and keeps answering.
    other.GetProcess().Kill();
    ASSERT_TRUE(host_->Close(kDefaultTimeout));
    OtherProgramWindow elsewhere;
    BringToForeground(elsewhere.hwnd);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(bar); }, kSoon));
    EXPECT_TRUE(IsAnswering(bar));
    EXPECT_TRUE(session.Quorbel().IsRunning());
}

TEST_F(GlueTest, ANewStartWorksAfterTheFirstEndedOrWasKilled)
{
    StartGlued("");
    session.Quorbel().Kill();
    ASSERT_TRUE(session.Quorbel().WaitForExit(kDefaultTimeout));
    Process& again = session.StartQuorbel();
    const HWND bar = session.WaitForBar();
    EXPECT_TRUE(again.IsRunning());
    ASSERT_TRUE(SendWithTimeout(bar, WM_COMMAND, IDOK, 0).has_value());
    ASSERT_TRUE(again.WaitForExit(kDefaultTimeout));
    Process& third = session.StartQuorbel();
    session.WaitForBar();
    EXPECT_TRUE(third.IsRunning());
}

}  // namespace
}  // namespace quorbel::e2e
