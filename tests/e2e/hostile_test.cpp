// The bar under hostile conditions: a host that hangs or dies during a click, INI files
// that turn read-only, vanish or fill with garbage while the bar runs, absurd counts,
// huge files and menus, and a storm of its own messages with random parameters. None of
// it may crash or hang the bar, and the files must still read afterwards.
#include <atomic>
#include <random>
#include <thread>

#include "tests/e2e/support/E2eTest.h"

namespace quorbel::e2e {
namespace {

constexpr std::chrono::milliseconds kSoon = 3s;
constexpr UINT kButtonContext = WM_USER + 100;
constexpr UINT kFolderDropped = WM_USER + 200;

std::string ThreeButtons(const std::string& extra = "")
{
    return "[main]\nsize=3\nbTray=0\n" + extra +
           "[0]\nsButtonText=a\nsFolderPath=C:\\windows\nsubkey=k0\n"
           "[1]\nsButtonText=b\nsFolderPath=C:\\users\nsubkey=k1\n"
           "[2]\nsButtonText=c\niCommand=2001\nsubkey=k2\n";
}

// While it lives, dismisses every popup menu and cancels every dialog of the Quorbel
// process, so that a scenario that opens them at random cannot get stuck in one.
class ModalCloser {
public:
    ModalCloser(HWND bar, DWORD processId)
        : thread_([this, bar, processId] {
              while (!stop_) {
                  if (FindOpenMenu())
                      PostKey(bar, VK_ESCAPE);
                  for (HWND dialog : DialogsOf(processId))
                      if (IsWindowVisible(dialog))
                          PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                  Sleep(15);
              }
          })
    {
    }
    ~ModalCloser() { stop_ = true; thread_.join(); }

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

class HostileTest : public E2eTest {
protected:
    // The bar answers within a second and its process runs.
    bool Alive() { return session.Quorbel().IsRunning() && IsAnswering(bar_, 1s); }

    int ButtonCount() { return ToolbarButtonCount(FindToolbar(bar_)); }
};

TEST_F(HostileTest, HostHungForTenSecondsDuringAClick)
{
    StartBar(ThreeButtons("iGlueX=100\niGlueY=100\n"));
    const RECT host = WindowRectOf(host_->Window());
    ASSERT_TRUE(WaitUntil([&] { return WindowRectOf(bar_).left == host.left + 100; }, kSoon));
    ASSERT_TRUE(host_->Hang(10000));
    ASSERT_FALSE(host_->IsAnswering()) << "the host must really hang for this to mean anything";
    PostMessageW(bar_, WM_COMMAND, 100, 0);
    // The glue keeps ticking while the host hangs: a hand edit still moves the bar.
    WritePrivateProfileStringA("main", "iGlueX", "130", session.QuorbelIniPath().c_str());
    EXPECT_TRUE(WaitUntil([&] { return WindowRectOf(bar_).left == host.left + 130; }, kSoon))
        << "in front: " << ForegroundClassName() << ", bar at " << WindowRectOf(bar_).left << ", visible "
        << IsWindowVisible(bar_);
    EXPECT_TRUE(HoldsFor([&] { return Alive(); }, 3s));
    EXPECT_TRUE(WaitUntil([&] { return host_->IsAnswering(); }, 15s));
    PostMessageW(bar_, WM_COMMAND, 101, 0);
    EXPECT_TRUE(host_->Log().WaitForLine("return cd C:\\users", kSoon));
}

TEST_F(HostileTest, HostKilledDuringAClick)
{
    StartBar(ThreeButtons());
    ASSERT_TRUE(host_->Hang(3000));
    PostMessageW(bar_, WM_COMMAND, 100, 0);
    host_->GetProcess().Kill();
    EXPECT_TRUE(HoldsFor([&] { return Alive(); }, 1500ms));
}

TEST_F(HostileTest, IniFilesReadOnlyDeletedOrGarbageWhileRunning)
{
    StartBar(ThreeButtons(), "[k0]\n0=x|C:\\x\n");
    ASSERT_TRUE(WaitUntil([&] { return ButtonCount() == 3; }, kSoon));

    // Read-only: writes fail (or, for a privileged user, succeed); either way nothing breaks.
    SetFileAttributesA(session.QuorbelIniPath().c_str(), FILE_ATTRIBUTE_READONLY);
    SendWithTimeout(bar_, WM_SETTINGCHANGE, 0, 0, 5s);
    PostMessageW(bar_, kButtonContext, 0, 1);
    {
        ModalCloser closer(bar_, session.Quorbel().Id());
        EXPECT_TRUE(HoldsFor([&] { return Alive(); }, 1s));
    }
    SetFileAttributesA(session.QuorbelIniPath().c_str(), FILE_ATTRIBUTE_NORMAL);

    // Deleted: the bar shows its hint button and goes on with the defaults.
    ASSERT_TRUE(DeleteFileA(session.QuorbelIniPath().c_str()));
    DeleteFileA(session.SubFolderIniPath().c_str());
    SendWithTimeout(bar_, WM_SETTINGCHANGE, 0, 0, 5s);
    EXPECT_TRUE(WaitUntil([&] { return ButtonCount() == 1; }, kSoon));
    EXPECT_TRUE(Alive());

    // Garbage: whatever it reads as, no crash and no hang.
    std::mt19937 random(11);
    std::string garbage(64 * 1024, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random());
    test::WriteFileBytes(session.QuorbelIniPath(), garbage);
    test::WriteFileBytes(session.SubFolderIniPath(), garbage);
    {
        ModalCloser closer(bar_, session.Quorbel().Id());
        SendWithTimeout(bar_, WM_SETTINGCHANGE, 0, 0, 10s);
        PostMessageW(bar_, kButtonContext, 0, 0);
        EXPECT_TRUE(HoldsFor([&] { return Alive(); }, 1s));
    }
}

TEST_F(HostileTest, AbsurdCountsAndOffsetsGiveAWorkingBar)
{
    StartBar("[main]\nsize=2000000000\nbTray=0\niGlueX=2000000000\niGlueY=-2000000000\nx=99999999\n"
             "[0]\nsButtonText=a\nsFolderPath=C:\\a\nsubkey=k\n");
    EXPECT_TRUE(WaitUntil([&] { return ButtonCount() == 1; }, kSoon));
    WritePrivateProfileStringA("main", "size", "-5", session.QuorbelIniPath().c_str());
    SendWithTimeout(bar_, WM_SETTINGCHANGE, 0, 0, 5s);
    // The hint button instead.
    EXPECT_TRUE(WaitUntil([&] { return ToolbarButtonImage(FindToolbar(bar_), 99).has_value(); }, kSoon));
    EXPECT_TRUE(Alive());
}

TEST_F(HostileTest, FiveThousandEntryMenuOpensAndCloses)
{
    std::string submenus = "[big]\n";
    for (int k = 0; k < 5000; ++k)
        submenus += std::to_string(k) + "=entry " + std::to_string(k) + "|C:\\e\\" + std::to_string(k) + "\n";
    StartBar("[main]\nsize=1\nbTray=0\n[0]\nsButtonText=big\nsFolderPath=C:\\a\nsubkey=big\n", submenus);
    PostMessageW(bar_, kButtonContext, 0, 0);
    ASSERT_TRUE(WaitUntil([] { return FindOpenMenu() != nullptr; }, 20s));
    PostKey(bar_, VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([] { return FindOpenMenu() == nullptr; }, 10s));
    EXPECT_TRUE(Alive());
}

TEST_F(HostileTest, TenMegabyteIniFile)
{
    std::string main = "[main]\nsize=2\nbTray=0\n"
                       "[0]\nsButtonText=a\nsFolderPath=C:\\a\nsubkey=k0\n"
                       "[1]\nsButtonText=b\nsFolderPath=C:\\b\nsubkey=k1\n";
    for (int n = 0; main.size() < 10 * 1024 * 1024; ++n)
        main += "[junk" + std::to_string(n) + "]\nkey=" + std::string(200, 'j') + "\n";
    StartBar(main);
    EXPECT_TRUE(WaitUntil([&] { return ButtonCount() == 2; }, 20s));
    SendWithTimeout(bar_, WM_SETTINGCHANGE, 0, 0, 30s);
    PostMessageW(bar_, WM_COMMAND, 101, 0);
    EXPECT_TRUE(host_->Log().WaitForLine("return cd C:\\b", 20s));
    EXPECT_TRUE(Alive());
}

TEST_F(HostileTest, StormOfTheBarsOwnMessages)
{
    StartBar(ThreeButtons(), "[k0]\n0=x|C:\\x\n1=-|\n[k0E]\n0=1|12|25|-1|255\n");
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    std::mt19937 random(2024);
    const UINT kinds[] = {WM_COMMAND, kButtonContext, kFolderDropped, WM_TIMER, WM_SETTINGCHANGE, taskbarCreated,
                          WM_SYSCOMMAND};
    {
        ModalCloser closer(bar_, session.Quorbel().Id());
        for (int sent = 0; sent < 10000; ++sent) {
            const UINT message = kinds[random() % std::size(kinds)];
            auto wParam = static_cast<WPARAM>(static_cast<int>(random() % 400) - 100);
            LPARAM lParam = static_cast<LPARAM>(random() % 3);
            if (message == WM_COMMAND && LOWORD(wParam) == IDOK)
                wParam = 0;  // the OK command ends the program: that is no fault
            if (message == WM_SETTINGCHANGE)
                lParam = 0;  // its lParam names a setting as text
            if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) >= SC_SIZE)
                wParam = 16;  // the About item, not the system's own commands
            PostMessageW(bar_, message, wParam, lParam);
            // Let the bar drain its queue now and then: a queue is finite.
            if (sent % 250 == 249) {
                ASSERT_TRUE(WaitUntil([&] { return IsAnswering(bar_, 2s); }, 30s)) << "after " << sent;
            }
        }
        EXPECT_TRUE(WaitUntil([&] { return Alive(); }, 30s));
        EXPECT_TRUE(HoldsFor([&] { return session.Quorbel().IsRunning(); }, 500ms));
    }
    // Whatever was added and taken back, the files still read as a bar.
    const int size = ReadIniInt(session.QuorbelIniPath(), "main", "size", -1);
    EXPECT_GE(size, 0);
    for (int n = 0; n < size; ++n)
        EXPECT_TRUE(IniHasKey(session.QuorbelIniPath(), std::to_string(n), "subkey")) << n;
    EXPECT_TRUE(Alive());
}

}  // namespace
}  // namespace quorbel::e2e
