// Editing the bar from outside, as a user does: a folder dropped beside a button becomes
// a button that drives the host; a button deleted from the bar's menu leaves a narrower
// bar; the tray menu's quit ends the program and stores the bar's place.
#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "framework/Handles.h"
#include "tests/e2e/support/E2eTest.h"

namespace quorbel::e2e {
namespace {

constexpr std::chrono::milliseconds kSoon = 5s;
constexpr UINT kButtonContext = WM_USER + 100;

const char kTwoButtons[] = "[main]\nsize=2\nbTray=0\n"
                           "[0]\nsButtonText=windows\nsFolderPath=C:\\windows\nsubkey=k0\n"
                           "[1]\nsButtonText=users\nsFolderPath=C:\\users\nsubkey=k1\n";

// Drops `path` on the toolbar as the shell does: the pointer at `screen`, then
// WM_DROPFILES with a drop block made in the bar's memory, which its handler releases.
bool DropOnToolbar(HWND toolbar, DWORD processId, POINT screen, const std::string& path)
{
    std::vector<char> block(sizeof(DROPFILES) + path.size() + 2, '\0');
    reinterpret_cast<DROPFILES*>(block.data())->pFiles = sizeof(DROPFILES);
    memcpy(block.data() + sizeof(DROPFILES), path.data(), path.size());
    const fw::KernelObject process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId));
    void* remote = process ? VirtualAllocEx(process.get(), nullptr, block.size(), MEM_COMMIT, PAGE_READWRITE) : nullptr;
    if (!remote || !WriteProcessMemory(process.get(), remote, block.data(), block.size(), nullptr))
        return false;
    SetCursorPos(screen.x, screen.y);
    // The window system moves the pointer in its own time, and the drop reads it.
    WaitUntil([&] {
        POINT now{};
        return GetCursorPos(&now) && now.x == screen.x && now.y == screen.y;
    }, 2s);
    return PostMessageW(toolbar, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0) != FALSE;
}

class EditingTest : public E2eTest {
protected:
    void Start(const std::string& main)
    {
        StartBar(main);
        WaitUntil([&] { return IsWindowVisible(bar_) != FALSE; }, kSoon);
    }

    HWND Toolbar() { return FindToolbar(bar_); }

    // A tracked menu starts with nothing highlighted: the first Down reaches item 0.
    void ChooseMenuItem(int index)
    {
        ASSERT_TRUE(WaitUntil([] { return FindOpenMenu() != nullptr; }, kSoon));
        for (int i = 0; i <= index; ++i)
            PostKey(bar_, VK_DOWN);
        PostKey(bar_, VK_RETURN);
    }

    HWND WaitForDialog()
    {
        HWND dialog = nullptr;
        WaitUntil([&] {
            for (HWND d : DialogsOf(session.Quorbel().Id()))
                if (IsWindowVisible(d))
                    dialog = d;
            return dialog != nullptr;
        }, kSoon);
        return dialog;
    }
};

TEST_F(EditingTest, DroppedFolderBecomesAButtonThatDrivesTheHost)
{
    Start(kTwoButtons);
    const std::optional<RECT> button = ToolbarButtonRect(Toolbar(), 0);
    ASSERT_TRUE(button.has_value());
    const POINT centre{(button->left + button->right) / 2, (button->top + button->bottom) / 2};
    ASSERT_TRUE(DropOnToolbar(Toolbar(), session.Quorbel().Id(), centre, "C:\\Program Files"));
    ChooseMenuItem(0);  // "옆에 버튼으로 추가"
    const HWND dialog = WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(dialog, 1000)), "Program Files");
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return ToolbarButtonCount(Toolbar()) == 3; }, kSoon));
    EXPECT_EQ(ReadIniString(session.QuorbelIniPath(), "1", "sFolderPath", ""), "C:\\Program Files");
    EXPECT_EQ(ReadIniString(session.QuorbelIniPath(), "2", "sButtonText", ""), "users");

    BringToForeground(host_->Window());
    PostMessageW(bar_, WM_COMMAND, 101, 0);  // the new button, at position 1
    EXPECT_TRUE(host_->Log().WaitForLine("return cd C:\\Program Files", kSoon));
}

TEST_F(EditingTest, DeletingAButtonNarrowsTheBar)
{
    Start(kTwoButtons);
    const int before = WindowRectOf(bar_).right - WindowRectOf(bar_).left;
    PostMessageW(bar_, kButtonContext, 0, 1);
    ChooseMenuItem(1);  // "삭제"
    ASSERT_TRUE(WaitUntil([&] { return ToolbarButtonCount(Toolbar()) == 1; }, kSoon));
    EXPECT_TRUE(WaitUntil([&] { return WindowRectOf(bar_).right - WindowRectOf(bar_).left < before; }, kSoon));
    EXPECT_EQ(ReadIniInt(session.QuorbelIniPath(), "main", "size", -1), 1);
    EXPECT_EQ(ReadIniString(session.QuorbelIniPath(), "0", "sButtonText", ""), "users");
}

TEST_F(EditingTest, TrayMenuQuitEndsTheProgramRemovesTheIconAndStoresThePlace)
{
    Start("[main]\nsize=1\n[0]\nsButtonText=w\nsFolderPath=C:\\windows\nsubkey=k\n");
    // The tray icon's own window gets the shell's notifications.
    HWND tray = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        for (HWND w : TopLevelWindowsOf(session.Quorbel().Id()))
            if (ClassNameOf(w) == "QuorbelTrayIcon")
                tray = w;
        return tray != nullptr;
    }, kSoon));
    // Wine shows icons in a tray window of its own when the desktop has no tray.
    const auto trayShown = [] {
        for (HWND w : TopLevelWindowsOfClass("__winex11_standalone_tray"))
            if (IsWindowVisible(w))
                return true;
        return false;
    };
    ASSERT_TRUE(WaitUntil(trayShown, kSoon)) << "the icon is in the notification area";
    const RECT last = WindowRectOf(bar_);
    PostMessageW(tray, 0x800, 1024, WM_RBUTTONUP);
    ChooseMenuItem(1);  // "Quorbel 종료"
    ASSERT_TRUE(session.Quorbel().WaitForExit(kSoon));
    EXPECT_EQ(ReadIniInt(session.QuorbelIniPath(), "main", "x", -1), last.left);
    EXPECT_EQ(ReadIniInt(session.QuorbelIniPath(), "main", "y", -1), last.top);
    // The notification area has nothing left to show.
    EXPECT_TRUE(WaitUntil([&] { return !trayShown(); }, kSoon));
}

}  // namespace
}  // namespace quorbel::e2e
