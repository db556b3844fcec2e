// A first day: the bar comes up beside the host, follows it without taking its focus, is
// moved with a Ctrl-drag, stops gluing, ends storing its place and comes up again.
#include "framework/Handles.h"
#include "tests/e2e/support/E2eTest.h"

namespace quorbel::e2e {
namespace {

bool InMoveLoop(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && (info.flags & GUI_INMOVESIZE);
}

// Ctrl held on the X server; the press waits until the window system moves the window,
// the pointer follows it in steps: events sent all at once would be over before the move began.
void CtrlDrag(HWND window, POINT by)
{
    const XHeldCtrl ctrl;
    const POINT from = CentreOf(window);
    MoveMouse(from);
    MouseDown(MouseButton::Left);
    const bool moving = WaitUntil([&] { return InMoveLoop(window); }, 2s);
    for (int i = 1; i <= 5 && moving; ++i) {
        const RECT before = WindowRectOf(window);
        MoveMouse(POINT{from.x + by.x * i / 5, from.y + by.y * i / 5});
        WaitUntil([&] { return WindowRectOf(window).left != before.left; }, 1s);
    }
    MouseUp(MouseButton::Left);
    WaitUntil([&] { return !InMoveLoop(window); }, 2s);
}

class FirstDay : public E2eTest {
protected:
    bool BarAt(int x, int y) const
    {
        const RECT r = WindowRectOf(bar_);
        return IsWindowVisible(bar_) && r.left == x && r.top == y;
    }

    bool BarShowsBesideHostAt(HWND host, int dx, int dy) const
    {
        const RECT r = WindowRectOf(host);
        return WaitUntil([&] { return BarAt(r.left + dx, r.top + dy); }, 2s, Phase::Random) &&
               HoldsFor([&] { return GetForegroundWindow() == host; }, 4 * kTickPeriod);
    }

    int Setting(const char* key) const { return ReadIniInt(session.QuorbelIniPath(), "main", key, -99999); }
};

TEST_F(FirstDay, TheBarFollowsTheHostIsMovedAndEndsWhereItStood)
{
    StandInHost& host = session.StartHost(HostOptions{"", false, RECT{200, 150, 640, 420}, 0});
    session.WriteQuorbelIni(
        test::Crlf("[main]\nsize=1\nbTray=0\n[0]\nsButtonText=Windows\nsFolderPath=C:\\windows\nsubkey=k\n"));
    session.StartQuorbel();
    bar_ = session.WaitForBar();
    // Topmost, no taskbar button: owned by a window of its own that is never shown.
    EXPECT_EQ(GetWindowLongPtrW(bar_, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_APPWINDOW), WS_EX_TOPMOST);
    const HWND owner = GetWindow(bar_, GW_OWNER);
    EXPECT_TRUE(owner && !IsWindowVisible(owner) && ProcessIdOf(owner) == session.Quorbel().Id());
    EXPECT_TRUE(WaitUntil([&] { return BarAt(100, 100); })) << "first shown where no place is stored";

    // With the host in front: beside it, and on top of it on the screen too (the toolbar's
    // button face over the host's white list), not only in the window list.
    ASSERT_TRUE(BringToForeground(host.Window()));
    EXPECT_TRUE(BarShowsBesideHostAt(host.Window(), 100, 100));
    const RECT bar = WindowRectOf(bar_);
    const fw::WindowDC screen(nullptr);
    int face = 0;
    for (LONG y = bar.top; y < bar.bottom; ++y)
        for (LONG x = bar.left; x < bar.right; ++x)
            face += GetPixel(screen.get(), x, y) == GetSysColor(COLOR_BTNFACE);
    EXPECT_GT(face, 50);

    // A second copy says so and ends; the first goes on.
    Process second = Process::Start(session.ProgramFile("Quorbel.exe"), {}, session.ProgramFolder());
    HWND message = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return !DialogsOf(second.Id()).empty() && (message = DialogsOf(second.Id())[0]); }));
    PostMessageW(message, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(second.WaitForExit(kDefaultTimeout));
    EXPECT_TRUE(IsAnswering(bar_));

    // Another program in front hides the bar; a minimised host too.
    OtherProgramWindow other;
    ASSERT_TRUE(BringToForeground(other.hwnd));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(bar_); }, 2s, Phase::Random));
    ASSERT_TRUE(BringToForeground(host.Window()));
    EXPECT_TRUE(BarShowsBesideHostAt(host.Window(), 100, 100));
    SendWithTimeout(host.Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(bar_); }, 2s, Phase::Random)) << "host minimised";
    SendWithTimeout(host.Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(BringToForeground(host.Window()));

    // A Ctrl-drag stores the new offset and presses no button; a hand edit of the same
    // length in the same second moves the bar at the next tick.
    CtrlDrag(bar_, POINT{60, 35});
    EXPECT_TRUE(WaitUntil([&] { return Setting("iGlueX") == 160 && Setting("iGlueY") == 135; }))
        << Setting("iGlueX") << "," << Setting("iGlueY");
    ASSERT_TRUE(BringToForeground(host.Window()));
    WritePrivateProfileStringA("main", "iGlueX", "-40", session.QuorbelIniPath().c_str());
    EXPECT_TRUE(BarShowsBesideHostAt(host.Window(), -40, 135));

    // With the host minimised (the bar's own window in front keeps it shown) a drag stores nothing.
    ASSERT_TRUE(BringToForeground(bar_));
    SendWithTimeout(host.Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    const std::string before = test::ReadFileBytes(session.QuorbelIniPath());
    CtrlDrag(bar_, POINT{40, 40});
    EXPECT_TRUE(HoldsFor([&] { return test::ReadFileBytes(session.QuorbelIniPath()) == before; }, 6 * kTickPeriod));
    SendWithTimeout(host.Window(), WM_SYSCOMMAND, SC_RESTORE, 0);

    // The About box in front keeps the bar shown; Escape in the bar ends nothing.
    PostMessageW(bar_, WM_COMMAND, 16, 0);
    const HWND about = WaitForDialog();
    ASSERT_TRUE(about && BringToForeground(about));
    EXPECT_TRUE(HoldsFor([&] { return IsWindowVisible(bar_); }, 6 * kTickPeriod));
    PostMessageW(about, WM_COMMAND, IDOK, 0);
    PostKey(bar_, VK_ESCAPE);
    PostMessageW(bar_, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(HoldsFor([&] { return IsAnswering(bar_) && !IsWindow(about); }, 6 * kTickPeriod));

    // A second host in front takes the bar along.
    StandInHost& next = session.StartHost(HostOptions{"", false, RECT{500, 400, 400, 300}, 0});
    ASSERT_TRUE(BringToForeground(next.Window()));
    EXPECT_TRUE(BarShowsBesideHostAt(next.Window(), -40, 135));
    next.GetProcess().Kill();

    // The menu's glue item turned off: the bar stays where it is while the host moves.
    ASSERT_TRUE(BringToForeground(host.Window()));
    ChooseFromBarMenu(0, 2);  // "토탈커맨드창에 달라붙기"
    ASSERT_TRUE(WaitUntil([&] { return Setting("bGlue") == 0; }));
    const RECT still = WindowRectOf(bar_);
    SetWindowPos(host.Window(), nullptr, 90, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_TRUE(BringToForeground(host.Window()));
    EXPECT_TRUE(HoldsFor([&] { return BarAt(still.left, still.top); }, 6 * kTickPeriod));

    // "Quorbel 종료" ends the program, which stores where the bar stood.
    ChooseFromBarMenu(0, 4);
    ASSERT_TRUE(session.Quorbel().WaitForExit(kDefaultTimeout));
    EXPECT_EQ(std::make_pair(Setting("x"), Setting("y")), std::make_pair(int{still.left}, int{still.top}));
    EXPECT_EQ(host.Log().Lines().size(), 1u) << "the host was sent nothing";

    // It comes up again after that end and after a kill; with no host left it hides and answers.
    session.StartQuorbel();
    session.WaitForBar();
    session.Quorbel().Kill();
    session.StartQuorbel();
    bar_ = session.WaitForBar();
    ASSERT_TRUE(host.Close());
    ASSERT_TRUE(BringToForeground(other.hwnd));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(bar_) && IsAnswering(bar_); }));
}

}  // namespace
}  // namespace quorbel::e2e
