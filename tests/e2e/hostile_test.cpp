// A hostile day: hung and killed hosts, a huge menu, files made read-only, deleted or
// garbage, absurd offsets and a storm of messages, and the bar still answers.
#include <atomic>
#include <random>
#include <thread>

#include "tests/e2e/support/E2eTest.h"

namespace quorbel::e2e {
namespace {

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
    ~ModalCloser()
    {
        stop_ = true;
        thread_.join();
    }

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

class AHostileDay : public E2eTest {
protected:
    // The bar answers within a second and its process runs.
    bool Alive() { return session.Quorbel().IsRunning() && IsAnswering(bar_, 1s); }

    int ButtonCount() const { return ToolbarButtonCount(FindToolbar(bar_)); }

    // Both files rewritten and the change announced, with every menu and dialog it brings closed.
    void Rewrite(const std::string& main, const std::string& submenus)
    {
        test::WriteFileBytes(session.QuorbelIniPath(), main);
        test::WriteFileBytes(session.SubFolderIniPath(), submenus);
        const ModalCloser closer(bar_, session.Quorbel().Id());
        SendWithTimeout(bar_, WM_SETTINGCHANGE, 0, 0, 10s);
        PostMessageW(bar_, WM_BUTTON_CONTEXT, 0, 1);
        EXPECT_TRUE(HoldsFor([&] { return Alive(); }, 1s));
    }
};

TEST_F(AHostileDay, TheBarOutlivesItsHostItsFilesAndItsOwnMessages)
{
    std::string submenus = "[k1]\n";
    for (int k = 0; k < 5000; ++k)
        submenus += std::to_string(k) + "=entry " + std::to_string(k) + "|C:\\e\\" + std::to_string(k) + "\n";
    StartBar(ThreeButtons("iGlueX=100\niGlueY=100\n"), submenus);
    const RECT host = WindowRectOf(host_->Window());
    ASSERT_TRUE(WaitUntil([&] { return WindowRectOf(bar_).left == host.left + 100; }));

    // 5,000 entries: the menu opens (cut to what a menu may hold) and closes.
    PostMessageW(bar_, WM_BUTTON_CONTEXT, 1, 0);
    ASSERT_TRUE(WaitUntil([] { return FindOpenMenu() != nullptr; }, 20s));
    PostKey(bar_, VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([] { return FindOpenMenu() == nullptr; }));
    ASSERT_TRUE(BringToForeground(host_->Window()));

    // A host hung past the bar's reply time-out: the click gives up, the glue still
    // follows a hand edit, and once the host answers again a click works.
    ASSERT_TRUE(host_->Hang(2500));
    ASSERT_FALSE(host_->IsAnswering()) << "the host must really hang for this to mean anything";
    PostMessageW(bar_, WM_COMMAND, 100, 0);
    WritePrivateProfileStringA("main", "iGlueX", "130", session.QuorbelIniPath().c_str());
    EXPECT_TRUE(WaitUntil([&] { return WindowRectOf(bar_).left == host.left + 130; }, 2s));
    EXPECT_TRUE(HoldsFor([&] { return Alive(); }, 1s));
    EXPECT_TRUE(WaitUntil([&] { return host_->IsAnswering(); }));
    PostMessageW(bar_, WM_COMMAND, 101, 0);
    EXPECT_TRUE(host_->Log().WaitForLine("return cd C:\\users"));

    // A host killed during a click, and a new one.
    ASSERT_TRUE(host_->Hang(3000));
    PostMessageW(bar_, WM_COMMAND, 100, 0);
    host_->GetProcess().Kill();
    EXPECT_TRUE(HoldsFor([&] { return Alive(); }, 1500ms));
    ASSERT_TRUE(BringToForeground(session.StartHost().Window()));

    // Read-only, deleted (the hint button alone), garbage, absurd offsets.
    SetFileAttributesA(session.QuorbelIniPath().c_str(), FILE_ATTRIBUTE_READONLY);
    Rewrite(test::ReadFileBytes(session.QuorbelIniPath()), "");
    SetFileAttributesA(session.QuorbelIniPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(DeleteFileA(session.QuorbelIniPath().c_str()) && DeleteFileA(session.SubFolderIniPath().c_str()));
    SendWithTimeout(bar_, WM_SETTINGCHANGE, 0, 0, 5s);
    EXPECT_TRUE(WaitUntil([&] { return ButtonCount() == 1; }));
    std::mt19937 random(11);
    std::string garbage(64 * 1024, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random());
    Rewrite(garbage, garbage);
    Rewrite(test::Crlf(ThreeButtons("iGlueX=2000000000\niGlueY=-2000000000\nx=99999999\n")),
            test::Crlf("[k0]\n0=x|C:\\x\n1=-|\n[k0E]\n0=1|12|25|-1|255\n"));

    // Random messages of the kinds it handles, at random.
    const UINT kinds[] = {WM_COMMAND, WM_BUTTON_CONTEXT, WM_FOLDER_DROPPED, WM_TIMER, WM_SETTINGCHANGE,
                          RegisterWindowMessageA("TaskbarCreated"), WM_SYSCOMMAND};
    {
        const ModalCloser closer(bar_, session.Quorbel().Id());
        for (int sent = 0; sent < 2000; ++sent) {
            const UINT message = kinds[random() % std::size(kinds)];
            auto wParam = static_cast<WPARAM>(static_cast<int>(random() % 400) - 100);
            if (message == WM_COMMAND && LOWORD(wParam) == IDOK)
                wParam = 0;  // the OK command ends the program: that is no fault
            if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) >= SC_SIZE)
                wParam = 16;  // the About item, not the system's own commands
            // WM_SETTINGCHANGE's lParam names a setting as text.
            PostMessageW(bar_, message, wParam, message == WM_SETTINGCHANGE ? 0 : random() % 3);
            // Let the bar drain its queue now and then: a queue is finite.
            if (sent % 250 == 249) {
                ASSERT_TRUE(WaitUntil([&] { return IsAnswering(bar_, 2s); }, 30s)) << "after " << sent;
            }
        }
        EXPECT_TRUE(WaitUntil([&] { return Alive(); }, 30s));
    }
    // Whatever was added and taken back, the files still read as a bar.
    const std::string ini = session.QuorbelIniPath();
    const int size = ReadIniInt(ini, "main", "size", -1);
    EXPECT_GE(size, 0);
    char subkey[64];
    for (int n = 0; n < size; ++n)
        EXPECT_GT(GetPrivateProfileStringA(std::to_string(n).c_str(), "subkey", "", subkey, 64, ini.c_str()), 0u) << n;
}

}  // namespace
}  // namespace quorbel::e2e
