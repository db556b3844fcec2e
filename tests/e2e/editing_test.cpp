// Arranging the bar: drops taken or not, buttons renamed, settings changes
// taken up when the bar shows, the tray icon back after the taskbar restarts.
#include <shlobj.h>

#include "app/win/TrayIcon.h"
#include "framework/Handles.h"
#include "resources/resource.h"
#include "tests/e2e/support/E2eTest.h"

namespace quorbel::e2e {
namespace {

// Drops `path` on the toolbar as the shell does: the pointer at `screen`, then
// WM_DROPFILES with a drop block made in the bar's memory, which its handler releases.
bool DropOnToolbar(HWND toolbar, POINT screen, const std::string& path)
{
    std::vector<char> block(sizeof(DROPFILES) + path.size() + 2, '\0');
    reinterpret_cast<DROPFILES*>(block.data())->pFiles = sizeof(DROPFILES);
    memcpy(block.data() + sizeof(DROPFILES), path.data(), path.size());
    const fw::KernelObject process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, ProcessIdOf(toolbar)));
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

// Wine shows icons in a tray window of its own when the desktop has no tray.
bool TrayIconShown()
{
    for (HWND w : TopLevelWindowsOf(0))
        if (ClassNameOf(w) == "__winex11_standalone_tray" && IsWindowVisible(w))
            return true;
    return false;
}

class ArrangingTheBar : public E2eTest {
protected:
    HWND Toolbar() const { return FindToolbar(bar_); }

    std::string Files() const
    {
        return test::ReadFileBytes(session.QuorbelIniPath()) + "|" + test::ReadFileBytes(session.SubFolderIniPath());
    }

    // Drops C:\Program Files on button 0 and takes the drop menu's item `choice`.
    void DropAndChoose(int choice)
    {
        const RECT button = ToolbarButtonRect(Toolbar(), 0).value_or(RECT{});
        ASSERT_TRUE(DropOnToolbar(Toolbar(), CentreOf(button), "C:\\Program Files"));
        ChooseMenuItem(choice);
    }
};

TEST_F(ArrangingTheBar, DropRenameReloadAndEndFromTheTray)
{
    StartBar("[main]\nsize=2\n[0]\nsButtonText=windows\nsFolderPath=C:\\windows\nsubkey=k0\n"
             "[1]\nsButtonText=users\nsFolderPath=C:\\users\nsubkey=k1\n");
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(bar_) && TrayIconShown(); }));
    const HWND tray = FindWindowA("QuorbelTrayIcon", nullptr);

    // The user changes their mind at the drop menu.
    const std::string asStarted = Files();
    DropAndChoose(-1);
    EXPECT_TRUE(WaitUntil([] { return !FindOpenMenu(); }));
    EXPECT_TRUE(HoldsFor([&] { return Files() == asStarted; }, 6 * kTickPeriod));
    // Then takes it: a third button.
    DropAndChoose(0);  // "옆에 버튼으로 추가"
    HWND dialog = WaitForDialog();
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_TITLE)), "Program Files");
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return SendWithTimeout(Toolbar(), TB_BUTTONCOUNT) == 3; }));
    ASSERT_TRUE(BringToForeground(host_->Window()));

    // "수정" renames a button and reloads the bar; cancelled, it changes and reloads nothing.
    HWND toolbar = Toolbar();
    PostMessageW(bar_, WM_BUTTON_CONTEXT, 0, 1);  // as a right click with Ctrl
    ChooseMenuItem(0);
    dialog = WaitForDialog();
    SendWithTimeout(GetDlgItem(dialog, IDC_TITLE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("win"));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return Toolbar() != toolbar && Toolbar(); }));
    EXPECT_NE(Files().find("sButtonText=win\r\n"), std::string::npos);
    const std::string renamed = Files();
    toolbar = Toolbar();
    PostMessageW(bar_, WM_BUTTON_CONTEXT, 0, 1);
    ChooseMenuItem(0);
    dialog = WaitForDialog();
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(HoldsFor([&] { return Toolbar() == toolbar && Files() == renamed; }, 6 * kTickPeriod));

    // A settings change (a reload makes a new toolbar) is taken up at once while the bar
    // shows; while another program is in front, once, when the bar shows again.
    toolbar = Toolbar();
    SendWithTimeout(bar_, WM_SETTINGCHANGE);
    EXPECT_TRUE(WaitUntil([&] { return Toolbar() != toolbar; }));
    OtherProgramWindow other;
    ASSERT_TRUE(BringToForeground(other.hwnd) && WaitUntil([&] { return !IsWindowVisible(bar_); }));
    toolbar = Toolbar();
    SendWithTimeout(bar_, WM_SETTINGCHANGE);
    EXPECT_TRUE(HoldsFor([&] { return Toolbar() == toolbar; }, 6 * kTickPeriod));
    ASSERT_TRUE(BringToForeground(host_->Window()));
    EXPECT_TRUE(WaitUntil([&] { return Toolbar() != toolbar && Toolbar(); }));
    toolbar = Toolbar();
    EXPECT_TRUE(HoldsFor([&] { return Toolbar() == toolbar; }, 6 * kTickPeriod)) << "reloaded once";

    // The taskbar restarted without the icon: the bar adds it again.
    NOTIFYICONDATAA icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = tray;
    icon.uID = TrayIcon::kFirstIconNumber;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &icon));
    ASSERT_TRUE(WaitUntil([] { return !TrayIconShown(); }));
    PostMessageW(bar_, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil(TrayIconShown));

    // The tray menu's "Quorbel 종료" ends the program and takes the icon away.
    PostMessageW(tray, TrayIcon::kCallbackMessage, TrayIcon::kFirstIconNumber, WM_RBUTTONUP);
    ChooseMenuItem(1);
    EXPECT_TRUE(session.Quorbel().WaitForExit(kDefaultTimeout));
    EXPECT_TRUE(WaitUntil([] { return !TrayIconShown(); }));
}

}  // namespace
}  // namespace quorbel::e2e
