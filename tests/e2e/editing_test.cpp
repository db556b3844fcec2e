// Arranging the bar: buttons renamed, settings changes taken up when the bar shows,
// the tray icon back after the taskbar restarts.
#include "app/win/TrayIcon.h"
#include "resources/resource.h"
#include "tests/e2e/support/E2eTest.h"

namespace quorbel::e2e {
namespace {

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
    std::string Files() const
    {
        return test::ReadFileBytes(session.QuorbelIniPath()) + "|" + test::ReadFileBytes(session.SubFolderIniPath());
    }
};

TEST_F(ArrangingTheBar, RenameReloadAndEndFromTheTray)
{
    StartBar("[main]\nsize=1\n[0]\nsButtonText=windows\nsFolderPath=C:\\windows\nsubkey=k0\n");
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(bar_) && TrayIconShown(); }));
    const HWND tray = FindWindowA("QuorbelTrayIcon", nullptr);

    // "수정" renames a button and reloads the bar; cancelled, it changes and reloads nothing.
    HWND toolbar = Toolbar();
    PostMessageW(bar_, WM_BUTTON_CONTEXT, 0, 1);  // as a right click with Ctrl
    ChooseMenuItem(0);
    HWND dialog = WaitForDialog();
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

    // A settings change while another program is in front is taken up once, when the bar
    // shows again (a reload makes a new toolbar).
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
