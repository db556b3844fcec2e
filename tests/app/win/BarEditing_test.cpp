// The bar edited in-process: its menus answered with keys, the dialogs confirmed or
// cancelled, and the INI files compared afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/win/BarWindow.h"
#include "app/win/WindowGlueWorld.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/win/DialogScript.h"
#include "toolbar/ButtonLoad.h"
#include "toolbar/FolderButton.h"
#include "toolbar/win/FolderToolBar.h"

namespace quorbel {
namespace {

using test::DialogScript;
using Items = std::vector<std::pair<UINT, std::wstring>>;  // a menu's ids and texts

// A host that, asked to run a command number, has a settings change sent to the bar
// while the bar waits for the answer, and notes whether the toolbar clicked is still
// there once the bar has handled it.
HWND reloadedBar, clickedToolbar;
bool clickedToolbarSurvived;

LRESULT CALLBACK ReloadingHostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_USER + 51)
        return DefWindowProcW(window, message, wParam, lParam);
    SendMessageW(reloadedBar, WM_SETTINGCHANGE, 0, 0);
    clickedToolbarSurvived = IsWindow(clickedToolbar) != FALSE;
    return 0;
}

// Asked afresh each time: a reload makes a new toolbar.
HWND ToolbarOf(HWND bar)
{
    return FindWindowExW(bar, nullptr, TOOLBARCLASSNAMEW, nullptr);
}

// The ids and texts of the menu the bar tracks, once it is on screen, and whether item
// `greyedId` is greyed.
Items OpenMenuItems(DialogScript& s, UINT greyedId, bool& greyed)
{
    HWND popup = nullptr;
    s.WaitUntil([&] { return (popup = FindWindowW(L"#32768", nullptr)) && IsWindowVisible(popup); }, "a menu");
    const auto menu = reinterpret_cast<HMENU>(s.Send(popup, MN_GETHMENU));
    Items items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        items.emplace_back(GetMenuItemID(menu, i), text);
    }
    greyed = GetMenuState(menu, greyedId, MF_BYCOMMAND) & MF_GRAYED;
    return items;
}

// A tracked menu starts with no item highlighted: the first Down highlights item 0.
// Item -1 dismisses the menu.
void ChooseMenuItem(HWND bar, int index)
{
    for (int i = 0; i <= index; ++i)
        PostMessageW(bar, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(bar, WM_KEYDOWN, index < 0 ? VK_ESCAPE : VK_RETURN, 0);
}

class BarEditingTest : public ::testing::Test {
protected:
    // Runs the bar modally on this thread while `steps` play the user on another, given
    // the bar's window once its toolbar is there; the bar then ends with its OK command.
    void RunBar(const std::string& main, const std::string& submenus,
                const std::function<void(DialogScript&, HWND)>& steps)
    {
        folder_.WriteMain(main);
        folder_.WriteSubmenu(submenus);
        DialogScript script([&](DialogScript& s) {
            HWND bar = nullptr;
            // The bar is the dialog without a caption.
            s.WaitUntil([&] { return (bar = FindWindowW(L"#32770", L"")) && ToolbarOf(bar); }, "the bar");
            try {
                steps(s, bar);
            } catch (...) {
                // The bar ignores a cancel: end it with its OK command whatever happened.
                PostMessageW(bar, WM_COMMAND, IDOK, 0);
                throw;
            }
            PostMessageW(bar, WM_COMMAND, IDOK, 0);
        });
        BarWindow bar(nullptr);
        bar.DoModal();
        failure_ = script.Finish();
    }

    test::ProgramFolder folder_;
    std::string failure_;
};

// The drop menu's two items, in order; "아래 메뉴로 추가" needs a button to add to.
// Dismissing the menu or cancelling the dialog leaves both files as they were; an entry
// added to a button's menu turns its image to the one for a button with entries.
TEST_F(BarEditingTest, DroppedFolderAddsOnlyWhatIsConfirmed)
{
    const struct {
        const char* what;
        int hit;       // the button under the drop, -1 beside the buttons
        int item;      // chosen from the drop menu, -1 dismissed
        bool confirm;  // the dialog that follows
    } cases[] = {
        {"beside the buttons, the menu dismissed", -1, -1, false},
        {"beside a button, its dialog cancelled", 0, 0, false},
        {"into the menu of a button without entries", 1, 1, true},
    };
    DroppedFolderPath() = "E:\\photos";
    for (const auto& c : cases) {
        Items items;
        bool greyed = false;
        LRESULT image = -1;
        RunBar("[main]\nsize=2\nbTray=2\n[0]\nsFolderPath=C:\\a\nsubkey=KA\n[1]\nsFolderPath=C:\\b\nsubkey=KB\n",
               "[KA]\n0=x|C:\\x\n", [&](DialogScript& s, HWND bar) {
            const std::string main = test::ReadFileBytes(folder_.MainIni());
            const std::string submenu = test::ReadFileBytes(folder_.SubmenuIni());
            PostMessageW(bar, WM_FOLDER_DROPPED, static_cast<WPARAM>(c.hit), c.hit);
            items = OpenMenuItems(s, 2, greyed);
            ChooseMenuItem(bar, c.item);
            if (c.item >= 0) {
                const HWND dialog = s.WaitForDialog(L"폴더 버튼 설정");
                s.Click(dialog, c.confirm ? IDOK : IDCANCEL);
                s.WaitUntilGone(dialog);
            }
            s.Send(bar, WM_NULL);  // the drop handled to its end
            // A dialog left open by mistake would hold the bar: fail in the script.
            if ((test::ReadFileBytes(folder_.MainIni()) == main &&
                 test::ReadFileBytes(folder_.SubmenuIni()) == submenu) == c.confirm)
                s.Fail(std::string(c.what) + ": the files are not as they should be");
            image = s.Send(ToolbarOf(bar), TB_GETBITMAP, 101);
        });
        ASSERT_EQ(failure_, "") << c.what;
        EXPECT_EQ(items, (Items{{1, L"옆에 버튼으로 추가"}, {2, L"아래 메뉴로 추가"}})) << c.what;
        EXPECT_EQ(greyed, c.hit < 0) << c.what;
        EXPECT_EQ(image, c.confirm ? kImageWithEntries : kImageNoEntries) << c.what;
    }
    EXPECT_NE(test::ReadFileBytes(folder_.SubmenuIni()).find("[KB]\r\n0=photos|E:\\photos"), std::string::npos);
    EXPECT_FALSE(FindWindowW(L"QuorbelTrayIcon", nullptr)) << "bTray=2";
}

// A show can reload the buttons and a reload can show a message box: the glue ticks run
// by that box's loop look at the files afresh, so a fix made while it is open is seen.
TEST_F(BarEditingTest, TicksUnderAReloadsMessageBoxSeeAHandEdit)
{
    const auto main = [](int glueX, const char* sections) {
        return "[main]\nbTray=2\nbGlue=1\niGlueX=" + std::to_string(glueX) + "\niGlueY=20\n" + sections;
    };
    RunBar(main(10, "size=1\n[0]\nsFolderPath=C:\\a\n"), "", [&](DialogScript& s, HWND bar) {
        const WNDCLASSW hostClass{0, DefWindowProcW, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, L"TTOTAL_CMD"};
        UnregisterClassW(hostClass.lpszClassName, nullptr);
        ASSERT_NE(RegisterClassW(&hostClass), 0);
        const HWND host = CreateWindowW(L"TTOTAL_CMD", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 150, 400, 300,
                                        nullptr, nullptr, nullptr, nullptr);
        const auto offset = [&] { return WindowRectOf(bar).left - WindowRectOf(host).left; };
        SetForegroundWindow(host);
        s.WaitUntil([&] { return IsWindowVisible(bar) && offset() == 10; }, "the bar glued");
        // Hidden, a settings change waits for the next show; the file has a broken button.
        folder_.WriteMain(main(10, "size=2\n[0]\nsFolderPath=C:\\a\n[1]\nsButtonText=broken\n"));
        ShowWindow(bar, SW_HIDE);
        s.Send(bar, WM_SETTINGCHANGE);
        s.WaitForDialog(L"Quorbel");
        folder_.WriteMain(main(40, "size=1\n[0]\nsFolderPath=C:\\a\n"));
        SetForegroundWindow(host);
        s.WaitUntil([&] { return offset() == 40; }, "the fix seen while the box is open");
        s.AnswerMessageBox();
        DestroyWindow(host);
    });
    ASSERT_EQ(failure_, "");
}

// A left click runs the host command inside the toolbar's WM_LBUTTONUP; a reload asked
// for while the bar waits on the host must not pull the toolbar from under it.
TEST_F(BarEditingTest, ReloadDuringAClickWaitsUntilTheClickReturns)
{
    RunBar("[main]\nsize=1\nbTray=2\n[0]\niCommand=2001\n", "", [&](DialogScript& s, HWND bar) {
        const WNDCLASSW hostClass{0, ReloadingHostProc, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr,
                                  L"TTOTAL_CMD"};
        // Another test of this program may have left the class registered with its own procedure.
        UnregisterClassW(hostClass.lpszClassName, nullptr);
        ASSERT_NE(RegisterClassW(&hostClass), 0);
        const HWND host = CreateWindowW(L"TTOTAL_CMD", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        reloadedBar = bar;
        clickedToolbar = ToolbarOf(bar);
        // Reloaded now, the bar would show a second button.
        folder_.WriteMain("[main]\nsize=2\nbTray=2\n[0]\niCommand=2001\n[1]\niCommand=2002\n");
        s.WaitUntil([&] { return IsWindowVisible(bar) != FALSE; }, "the bar shown");
        RECT button{};
        s.Send(clickedToolbar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&button));
        const LPARAM at = MAKELPARAM(button.left + 2, button.top + 2);
        s.Send(clickedToolbar, WM_LBUTTONDOWN, MK_LBUTTON, at);
        s.Send(clickedToolbar, WM_LBUTTONUP, 0, at);
        // Waited for: a host answering late under load lets the click return before the
        // reload, which makes a new toolbar.
        s.WaitUntil(
            [&] {
                DWORD_PTR count = 0;
                SendMessageTimeoutW(ToolbarOf(bar), TB_BUTTONCOUNT, 0, 0, SMTO_NORMAL, 1000, &count);
                return count == 2;
            },
            "the reload after the click");
        DestroyWindow(host);
    });
    ASSERT_EQ(failure_, "");
    EXPECT_TRUE(clickedToolbarSurvived);
}

}  // namespace
}  // namespace quorbel
