// The bar edited in-process: real drops on chosen buttons, the drop menu and the bar's
// context menu answered with keys, the dialogs confirmed or cancelled, and the INI files
// compared afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/win/BarWindow.h"
#include "config/ConfigNames.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/win/DialogScript.h"
#include "tests/support/win/DropHandle.h"
#include "tests/support/win/TestWindow.h"

namespace quorbel {
namespace {

using test::DialogScript;
using Items = std::vector<std::pair<UINT, std::wstring>>;  // a menu's ids and texts

// bTray=2: only 1 shows an icon.
const char kThreeButtons[] = "[main]\nsize=3\nbTray=2\nbGlue=1\n"
                             "[0]\nsButtonText=A\nsFolderPath=C:\\a\nsubkey=KA\n"
                             "[1]\nsButtonText=B\nsFolderPath=C:\\b\nsubkey=KB\n"
                             "[2]\nsButtonText=C\niCommand=2001\nsFolderPath=C:\\c\nsubkey=KC\n";

// A host that, asked to run a command number, has a settings change sent to the bar
// while the bar waits for the answer, and notes whether the toolbar clicked is still
// there once the bar has handled it.
struct ReloadingHost {
    HWND bar = nullptr;
    HWND clicked = nullptr;
    bool clickedSurvived = false;
};

LRESULT CALLBACK ReloadingHostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* host = reinterpret_cast<ReloadingHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message != WM_USER + 51 || !host)
        return DefWindowProcW(window, message, wParam, lParam);
    SendMessageW(host->bar, WM_SETTINGCHANGE, 0, 0);
    host->clickedSurvived = IsWindow(host->clicked) != FALSE;
    return 0;
}

class BarEditingTest : public ::testing::Test {
protected:
    // Runs the bar modally on this thread while `steps` play the user on another, given
    // the bar's window once its toolbar is there; the bar then ends with its OK command.
    void RunBar(const std::string& main, const std::string& submenus,
                const std::function<void(DialogScript&, HWND)>& steps)
    {
        folder_.WriteMain(main);
        if (!submenus.empty())
            folder_.WriteSubmenu(submenus);
        const DWORD thread = GetCurrentThreadId();
        DialogScript script([&](DialogScript& s) {
            HWND bar = nullptr;
            s.WaitUntil([&] {
                EnumThreadWindows(thread, FindBar, reinterpret_cast<LPARAM>(&bar));
                return bar && ToolbarOf(bar);
            }, "the bar and its toolbar");
            try {
                steps(s, bar);
            } catch (...) {
                // The bar ignores a cancel: end it with its OK command whatever happened.
                PostMessageW(bar, WM_COMMAND, IDOK, 0);
                throw;
            }
            PostMessageW(bar, WM_COMMAND, IDOK, 0);
        });
        BarWindow bar(owner_.hwnd());
        bar.DoModal();
        failure_ = script.Finish();
    }

    // The bar is the thread's dialog without a caption.
    static BOOL CALLBACK FindBar(HWND window, LPARAM found)
    {
        wchar_t name[16];
        if (GetClassNameW(window, name, 16) && lstrcmpW(name, L"#32770") == 0 && !GetWindowTextLengthW(window))
            *reinterpret_cast<HWND*>(found) = window;
        return TRUE;
    }

    // Asked afresh each time: a reload makes a new toolbar.
    static HWND ToolbarOf(HWND bar) { return FindWindowExW(bar, nullptr, TOOLBARCLASSNAMEW, nullptr); }

    // The menu the bar tracks, once it is on screen.
    static HMENU WaitForMenu(DialogScript& s)
    {
        HWND popup = nullptr;
        s.WaitUntil([&] {
            popup = FindWindowW(L"#32768", nullptr);
            return popup && IsWindowVisible(popup);
        }, "a popup menu");
        return reinterpret_cast<HMENU>(s.Send(popup, MN_GETHMENU));
    }

    // Drops `path` on button `position` as the shell would: the pointer over the button
    // (or, with `beside`, some way right of it).
    static void Drop(DialogScript& s, HWND bar, const std::string& path, int position, bool beside = false)
    {
        const HWND toolbar = ToolbarOf(bar);
        RECT button{};
        s.Send(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&button));
        POINT at{beside ? button.right + 30 : (button.left + button.right) / 2, (button.top + button.bottom) / 2};
        ClientToScreen(toolbar, &at);
        SetCursorPos(at.x, at.y);
        // The window system moves the pointer in its own time; the drop reads it.
        s.WaitUntil([&] {
            POINT now{};
            GetCursorPos(&now);
            return now.x == at.x && now.y == at.y;
        }, "the pointer over the drop point");
        s.Send(toolbar, WM_DROPFILES, reinterpret_cast<WPARAM>(test::MakeDrop({path})));
    }

    static Items ItemsOf(HMENU menu)
    {
        Items items;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[64] = {};
            GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
            items.emplace_back(GetMenuItemID(menu, i), text);
        }
        return items;
    }

    // Confirms the settings dialog that opens next.
    static void ConfirmSettingsDialog(DialogScript& s)
    {
        const HWND dialog = s.WaitForDialog(L"폴더 버튼 설정");
        s.Click(dialog, IDOK);
        s.WaitUntilGone(dialog);
    }

    // A tracked menu starts with no item highlighted: the first Down highlights item 0.
    static void ChooseMenuItem(DialogScript& s, HWND bar, int index)
    {
        WaitForMenu(s);
        for (int i = 0; i <= index; ++i)
            PostMessageW(bar, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(bar, WM_KEYDOWN, VK_RETURN, 0);
    }

    // Read with the platform's own call: the script's thread must not share the bar's
    // store, which belongs to the bar's thread alone.
    static std::string Value(const char* section, const char* key, const std::string& path)
    {
        char value[512];
        GetPrivateProfileStringA(section, key, "<absent>", value, sizeof value, path.c_str());
        return value;
    }

    test::ProgramFolder folder_;
    test::TestWindow owner_;
    std::string failure_;
};

TEST_F(BarEditingTest, ContextAndTrayMenusHoldTheirItemsInOrder)
{
    Items context, tray;
    UINT glueState = 0;
    bool menuOnMouseMove = true;
    // Button 1's folder menu has only free slots: a right click brings the bar's own.
    RunBar("[main]\nsize=2\n[0]\nsFolderPath=C:\\a\n[1]\nsFolderPath=C:\\b\nsubkey=K\n", "[K]\n0=\n1=\n",
           [&](DialogScript& s, HWND bar) {
        PostMessageW(bar, WM_USER + 100, 1, 0);  // button 1, no Ctrl
        const HMENU menu = WaitForMenu(s);
        context = ItemsOf(menu);
        glueState = GetMenuState(menu, 104, MF_BYCOMMAND);
        PostMessageW(bar, WM_KEYDOWN, VK_ESCAPE, 0);
        s.WaitUntil([] {
            const HWND open = FindWindowW(L"#32768", nullptr);
            return !open || !IsWindowVisible(open);
        }, "the context menu to close");

        HWND icon = nullptr;
        s.WaitUntil([&] { return (icon = FindWindowW(L"QuorbelTrayIcon", nullptr)) != nullptr; }, "the tray icon");
        s.Send(icon, 0x800, 1024, WM_MOUSEMOVE);  // moving over the icon opens nothing
        const HWND popup = FindWindowW(L"#32768", nullptr);
        menuOnMouseMove = popup && IsWindowVisible(popup);
        PostMessageW(icon, 0x800, 1024, WM_LBUTTONUP);
        tray = ItemsOf(WaitForMenu(s));
        PostMessageW(bar, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    ASSERT_EQ(failure_, "");
    EXPECT_EQ(context, (Items{{100, L"수정"}, {101, L"삭제"}, {104, L"토탈커맨드창에 달라붙기"}, {103, L"도움말"},
                              {102, L"Quorbel 종료"}}));
    EXPECT_TRUE(glueState & MF_CHECKED) << "bGlue absent: gluing is on";
    EXPECT_FALSE(menuOnMouseMove);
    EXPECT_EQ(tray, (Items{{16, L"정보"}, {1, L"Quorbel 종료"}}));
}

// Ctrl held asks for the bar's menu, even on a button whose folder menu has entries.
TEST_F(BarEditingTest, GlueItemSwitchesTheSettingBothWays)
{
    bool trayIcon = true;
    RunBar(kThreeButtons, "[KA]\n0=x|C:\\x\n", [&](DialogScript& s, HWND bar) {
        for (const char* expected : {"0", "1"}) {
            PostMessageW(bar, WM_USER + 100, 0, 1);
            ChooseMenuItem(s, bar, 2);
            s.WaitUntil([&] { return Value(kMainSection, key::kGlue, folder_.MainIni()) == expected; },
                        std::string("bGlue = ") + expected);
        }
        trayIcon = FindWindowW(L"QuorbelTrayIcon", nullptr) != nullptr;
    });
    EXPECT_EQ(failure_, "");
    EXPECT_FALSE(trayIcon) << "bTray=2";
}

TEST_F(BarEditingTest, DroppedFoldersBecomeButtons)
{
    const struct {
        const char* what;
        std::string main;
        std::string path;
        int dropOn;
        bool beside;
        bool menu;  // the drop asks first
        std::vector<std::pair<std::string, std::string>> expected;  // "section/key", value
    } cases[] = {
        {"beside a button", kThreeButtons, "D:\\data\\work", 1, false, true,
         {{"main/size", "4"}, {"1/sButtonText", "B"}, {"2/sButtonText", "work"}, {"2/sFolderPath", "D:\\data\\work"},
          {"2/iCommand", ""}, {"3/sButtonText", "C"}, {"3/iCommand", "2001"}, {"3/subkey", "KC"}}},
        {"beside the buttons: after the last", kThreeButtons, "D:\\end", 2, true, true,
         {{"main/size", "4"}, {"2/sButtonText", "C"}, {"3/sFolderPath", "D:\\end"}}},
        {"on an empty bar, a drive root", "[main]\nbTray=0\n", "C:\\", 0, false, false,
         {{"main/size", "1"}, {"0/sFolderPath", "C:\\"}, {"0/sButtonText", ""}}},
    };
    for (const auto& c : cases) {
        bool submenuOffered = true;
        RunBar(c.main, "", [&](DialogScript& s, HWND bar) {
            Drop(s, bar, c.path, c.dropOn, c.beside);
            if (c.menu) {
                submenuOffered = !(GetMenuState(WaitForMenu(s), 2, MF_BYCOMMAND) & MF_GRAYED);
                ChooseMenuItem(s, bar, 0);
            }
            ConfirmSettingsDialog(s);
        });
        ASSERT_EQ(failure_, "") << c.what;
        EXPECT_EQ(submenuOffered, !c.beside) << c.what << ": a menu to add to needs a button";
        for (const auto& [where, value] : c.expected) {
            const std::string section = where.substr(0, where.find('/'));
            const std::string key = where.substr(where.find('/') + 1);
            EXPECT_EQ(Value(section.c_str(), key.c_str(), folder_.MainIni()), value) << c.what << ": " << where;
        }
        EXPECT_FALSE(Value("0", key::kSubmenuKey, folder_.MainIni()).empty()) << c.what;
    }
}

TEST_F(BarEditingTest, DroppedFolderBesideAButtonCancelledLeavesTheFileAsItWas)
{
    folder_.WriteMain(kThreeButtons);
    const std::string before = test::ReadFileBytes(folder_.MainIni());
    RunBar(kThreeButtons, "", [&](DialogScript& s, HWND bar) {
        Drop(s, bar, "D:\\work", 0);
        ChooseMenuItem(s, bar, 0);
        const HWND dialog = s.WaitForDialog(L"폴더 버튼 설정");
        if (test::ReadFileBytes(folder_.MainIni()) == before)
            s.Fail("the new button is in the file while its dialog is open");
        s.Click(dialog, IDCANCEL);
        s.WaitUntilGone(dialog);
        // Taken back to the byte (the bar stores its position only when it closes).
        s.WaitUntil([&] { return test::ReadFileBytes(folder_.MainIni()) == before; }, "the file as it was");
    });
    ASSERT_EQ(failure_, "");
}

TEST_F(BarEditingTest, DroppedFolderIntoAButtonsMenuTakesTheLowestFreeKeyAsTheLastRow)
{
    RunBar(kThreeButtons, "[KB]\n0=x|C:\\x\n1=\n2=z|C:\\z\n", [&](DialogScript& s, HWND bar) {
        Drop(s, bar, "E:\\photos", 1);
        ChooseMenuItem(s, bar, 1);
        ConfirmSettingsDialog(s);
    });
    ASSERT_EQ(failure_, "");
    EXPECT_EQ(Value("KB", "1", folder_.SubmenuIni()), "photos|E:\\photos");
    const std::string text = test::ReadFileBytes(folder_.SubmenuIni());
    EXPECT_LT(text.find("2=z"), text.find("1=photos"));
    EXPECT_EQ(Value(kMainSection, key::kSize, folder_.MainIni()), "3");
}

// A name the system code page cannot hold (Thai here) would be stored with "?" in its
// place and send the host nowhere on every click: the drop is refused before the menu.
TEST_F(BarEditingTest, DroppedFolderNamedOutsideTheCodePageIsRefused)
{
    const char submenus[] = "[KB]\n0=x|C:\\x\n";
    std::wstring message;
    RunBar(kThreeButtons, submenus, [&](DialogScript& s, HWND bar) {
        const std::string main = test::ReadFileBytes(folder_.MainIni());
        const std::string submenu = test::ReadFileBytes(folder_.SubmenuIni());
        // Posted, as the shell does: the message box is answered from here.
        PostMessageW(ToolbarOf(bar), WM_DROPFILES,
                     reinterpret_cast<WPARAM>(test::MakeDrop(std::vector<std::wstring>{L"D:\\\u0E44\u0E17\u0E22"})), 0);
        message = s.AnswerMessageBox();
        if (test::ReadFileBytes(folder_.MainIni()) != main || test::ReadFileBytes(folder_.SubmenuIni()) != submenu)
            s.Fail("a refused drop changed the INI files");
    });
    ASSERT_EQ(failure_, "");
    EXPECT_EQ(message, L"폴더 이름에 이 시스템의 문자 코드로 나타낼 수 없는 문자가 있어 추가할 수 없습니다.");
}

// A left click runs the host command inside the toolbar's WM_LBUTTONUP; a reload asked
// for while the bar waits on the host must not pull the toolbar from under it.
TEST_F(BarEditingTest, ReloadDuringAClickWaitsUntilTheClickReturns)
{
    ReloadingHost host;
    int buttonsAfter = 0;
    RunBar("[main]\nsize=1\nbTray=2\n[0]\niCommand=2001\n", "", [&](DialogScript& s, HWND bar) {
        const WNDCLASSW hostClass{0, ReloadingHostProc, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr,
                                  L"TTOTAL_CMD"};
        // Another test of this program may have left the class registered with its own procedure.
        UnregisterClassW(hostClass.lpszClassName, nullptr);
        ASSERT_NE(RegisterClassW(&hostClass), 0);
        const HWND window = CreateWindowW(L"TTOTAL_CMD", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&host));
        host.bar = bar;
        host.clicked = ToolbarOf(bar);
        // Reloaded now, the bar would show a second button.
        folder_.WriteMain("[main]\nsize=2\nbTray=2\n[0]\niCommand=2001\n[1]\niCommand=2002\n");
        s.WaitUntil([&] { return IsWindowVisible(bar) != FALSE; }, "the bar shown");
        RECT button{};
        s.Send(host.clicked, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&button));
        const LPARAM at = MAKELPARAM(button.left + 2, button.top + 2);
        s.Send(host.clicked, WM_LBUTTONDOWN, MK_LBUTTON, at);
        s.Send(host.clicked, WM_LBUTTONUP, 0, at);
        buttonsAfter = static_cast<int>(s.Send(ToolbarOf(bar), TB_BUTTONCOUNT));
        DestroyWindow(window);
    });
    ASSERT_EQ(failure_, "");
    EXPECT_TRUE(host.clickedSurvived);
    EXPECT_EQ(buttonsAfter, 2) << "the reload runs once the click has returned";
}

}  // namespace
}  // namespace quorbel
