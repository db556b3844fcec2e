// A first day: the bar comes up beside the host, follows it without taking its focus and
// a hand edit of its place, and ends storing where it stood; a second copy does not start.
#include "framework/Handles.h"
#include "tests/e2e/support/E2eTest.h"

namespace quorbel::e2e {
namespace {

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

TEST_F(FirstDay, TheBarFollowsTheHostAndItsFileAndEndsWhereItStood)
{
    StartBar("[main]\nsize=1\nbTray=0\niGlueX=160\niGlueY=135\n"
             "[0]\nsButtonText=Windows\nsFolderPath=C:\\windows\nsubkey=k\n");
    // Topmost, no taskbar button: owned by a window of its own that is never shown.
    EXPECT_EQ(GetWindowLongPtrW(bar_, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_APPWINDOW), WS_EX_TOPMOST);
    const HWND owner = GetWindow(bar_, GW_OWNER);
    EXPECT_TRUE(owner && !IsWindowVisible(owner) && ProcessIdOf(owner) == session.Quorbel().Id());

    // With the host in front: beside it, and on top of it on the screen too (the toolbar's
    // button face over the host's white list), not only in the window list.
    EXPECT_TRUE(BarShowsBesideHostAt(160, 135));
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

    // A hand edit of the same length in the same second moves the bar at the next tick.
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
}

}  // namespace
}  // namespace quorbel::e2e
