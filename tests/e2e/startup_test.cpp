// Quorbel.exe started from a fresh folder beside the stand-in host: the bar appears,
// glued to the host without taking the focus from it, a second copy refuses to run, and
// the bar ends on the OK command, storing where it was.
#include "tests/e2e/support/E2eTest.h"

namespace quorbel::e2e {
namespace {

class StartupTest : public E2eTest {};

TEST_F(StartupTest, BarAppearsGluedToTheHostRefusesASecondCopyAndEndsOnCommandOne)
{
    HostOptions options;
    options.rect = RECT{200, 150, 640, 420};
    StandInHost& host = session.StartHost(options);
    session.WriteQuorbelIni(
        "[main]\r\nsize=1\r\nbTray=0\r\n[0]\r\nsButtonText=Windows\r\nsFolderPath=C:\\windows\r\nsubkey=k\r\n");

    Process& quorbel = session.StartQuorbel();
    const HWND bar = session.WaitForBar();

    EXPECT_EQ(GetWindowLongPtrW(bar, GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
    EXPECT_EQ(GetWindowLongPtrW(bar, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    // Owned by a window that is never shown: no taskbar button of its own.
    const HWND owner = GetWindow(bar, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_EQ(ProcessIdOf(owner), quorbel.Id());

    // No stored position: the bar first shows at (100, 100), active as the program's first window.
    ASSERT_TRUE(WaitUntil([&] {
        const RECT r = WindowRectOf(bar);
        return IsWindowVisible(bar) && r.left == 100 && r.top == 100;
    }));

    // Once the host is in front, the bar goes to 100 pixels right of and below its
    // top-left corner (no stored offset), without taking the focus from it.
    ASSERT_TRUE(BringToForeground(host.Window())) << "in front: " << ForegroundClassName();
    const RECT hostRect = WindowRectOf(host.Window());
    EXPECT_TRUE(WaitUntil([&] {
        const RECT r = WindowRectOf(bar);
        return IsWindowVisible(bar) && r.left == hostRect.left + 100 && r.top == hostRect.top + 100;
    }, kDefaultTimeout, Phase::Random));
    EXPECT_TRUE(HoldsFor([&] { return GetForegroundWindow() == host.Window(); }, 4 * kTickPeriod))
        << "in front instead: " << ForegroundClassName();
    // Topmost over the host: what lies under the bar's centre is the bar's own.
    const HWND under = WindowFromPoint(CentreOf(bar));
    EXPECT_TRUE(under == bar || IsChild(bar, under)) << ClassNameOf(under);
    SaveScreenshot("bar-beside-host");

    Process second = Process::Start(session.ProgramFile("Quorbel.exe"), {}, session.ProgramFolder());
    HWND message = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        const std::vector<HWND> boxes = DialogsOf(second.Id());
        message = boxes.empty() ? nullptr : boxes.front();
        return message != nullptr && IsWindowVisible(message);
    }));
    EXPECT_EQ(FindBarWindow(second.Id()), nullptr);
    PostMessageW(message, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(second.WaitForExit(kDefaultTimeout));
    EXPECT_TRUE(IsAnswering(bar));
    ASSERT_TRUE(BringToForeground(host.Window()));

    const RECT last = WindowRectOf(bar);
    ASSERT_TRUE(SendWithTimeout(bar, WM_COMMAND, IDOK, 0).has_value());
    ASSERT_TRUE(quorbel.WaitForExit(kDefaultTimeout));
    EXPECT_EQ(quorbel.ExitCode(), 0u);
    EXPECT_FALSE(IsWindow(bar));
    EXPECT_EQ(ReadIniInt(session.QuorbelIniPath(), "main", "x", -1), last.left);
    EXPECT_EQ(ReadIniInt(session.QuorbelIniPath(), "main", "y", -1), last.top);
    // The host was never sent anything.
    EXPECT_EQ(host.Log().Lines().size(), 1u);
}

}  // namespace
}  // namespace quorbel::e2e
