// A first day: the bar comes up beside the host, follows it without taking its focus, is
// moved with a Ctrl-drag and ends storing its place; a second copy does not start.
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
    const POINT from = CentreOf(WindowRectOf(window));
    MoveMouse(from);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    const bool moving = WaitUntil([&] { return InMoveLoop(window); }, 2s);
    for (int i = 1; i <= 5 && moving; ++i) {
        const RECT before = WindowRectOf(window);
        MoveMouse(POINT{from.x + by.x * i / 5, from.y + by.y * i / 5});
        WaitUntil([&] { return WindowRectOf(window).left != before.left; }, 1s);
    }
    SendMouse(MOUSEEVENTF_LEFTUP);
    WaitUntil([&] { return !InMoveLoop(window); }, 2s);
}

class FirstDay : public E2eTest {
protected:
    // Glued at (dx, dy) from the host, which keeps the foreground.
    bool BarShowsBesideHostAt(int dx, int dy) const
    {
        const RECT host = WindowRectOf(host_->Window());
        const auto beside = [&] {
            const RECT r = WindowRectOf(bar_);
            return IsWindowVisible(bar_) && r.left == host.left + dx && r.top == host.top + dy;
        };
        RandomTickPhase();
        return WaitUntil(beside, 2s) &&
               HoldsFor([&] { return GetForegroundWindow() == host_->Window(); }, 4 * kTickPeriod);
    }

    int Setting(const char* key) const { return ReadIniInt(session.QuorbelIniPath(), "main", key, -99999); }
};

TEST_F(FirstDay, TheBarFollowsTheHostIsMovedAndEndsWhereItStood)
{
    StartBar("[main]\nsize=1\nbTray=0\n[0]\nsButtonText=Windows\nsFolderPath=C:\\windows\nsubkey=k\n");
    // Topmost, no taskbar button: owned by a window of its own that is never shown.
    EXPECT_EQ(GetWindowLongPtrW(bar_, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_APPWINDOW), WS_EX_TOPMOST);
    const HWND owner = GetWindow(bar_, GW_OWNER);
    EXPECT_TRUE(owner && !IsWindowVisible(owner) && ProcessIdOf(owner) == session.Quorbel().Id());

    // With the host in front: beside it, and on top of it on the screen too (the toolbar's
    // button face over the host's white list), not only in the window list.
    EXPECT_TRUE(BarShowsBesideHostAt(100, 100));
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

    // A Ctrl-drag stores the new offset and presses no button; a hand edit of the same
    // length in the same second moves the bar at the next tick.
    CtrlDrag(bar_, POINT{60, 35});
    EXPECT_TRUE(WaitUntil([&] { return Setting("iGlueX") == 160 && Setting("iGlueY") == 135; }))
        << Setting("iGlueX") << "," << Setting("iGlueY");
    ASSERT_TRUE(BringToForeground(host_->Window()));
    WritePrivateProfileStringA("main", "iGlueX", "-40", session.QuorbelIniPath().c_str());
    EXPECT_TRUE(BarShowsBesideHostAt(-40, 135));
    const RECT still = WindowRectOf(bar_);

    // Escape in the bar ends nothing.
    PostKey(bar_, VK_ESCAPE);
    PostMessageW(bar_, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(HoldsFor([&] { return IsAnswering(bar_); }, 6 * kTickPeriod));

    // "Quorbel 종료" ends the program, which stores where the bar stood.
    PostMessageW(bar_, WM_BUTTON_CONTEXT, 0, 1);
    ChooseMenuItem(4);
    ASSERT_TRUE(session.Quorbel().WaitForExit(kDefaultTimeout));
    EXPECT_EQ(std::make_pair(Setting("x"), Setting("y")), std::make_pair(int{still.left}, int{still.top}));
    EXPECT_EQ(host_->LogLines().size(), 1u) << "the host was sent nothing";
}

}  // namespace
}  // namespace quorbel::e2e
