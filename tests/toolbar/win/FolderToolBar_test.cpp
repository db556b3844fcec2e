#include "toolbar/win/FolderToolBar.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "tests/support/ProgramFolder.h"
#include "tests/support/win/DialogScript.h"
#include "tests/support/win/DropHandle.h"
#include "tests/support/win/TestWindow.h"
#include "toolbar/ButtonLoad.h"
#include "toolbar/FolderButton.h"

namespace quorbel {
namespace {

using Face = std::tuple<int, int, int, std::wstring>;  // command, image, style, caption

class FolderToolBarTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(toolbar_.Create(parent_.hwnd(), WS_CHILD | WS_VISIBLE, 0xE800)); }

    // The control after a reload is a new one: always ask the toolbar object.
    Face FaceAt(int index)
    {
        TBBUTTON button{};
        SendMessageW(toolbar_.hwnd(), TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button));
        wchar_t text[256] = {};
        TBBUTTONINFOW info{sizeof info, TBIF_BYINDEX | TBIF_TEXT, 0, 0, 0, 0, 0, 0, text, 256};
        SendMessageW(toolbar_.hwnd(), TB_GETBUTTONINFOW, index, reinterpret_cast<LPARAM>(&info));
        return Face{button.idCommand, button.iBitmap, button.fsStyle, text};
    }

    POINT CentreOf(int index)
    {
        const RECT r = toolbar_.ItemRect(index);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    test::ProgramFolder folder_;
    test::TestWindow parent_;
    FolderToolBar toolbar_;
};

TEST_F(FolderToolBarTest, ButtonsShowTheirSectionsABlankForARejectedOneAndAnEmptyBarTheHint)
{
    folder_.WriteMain("[main]\nsize=3\n"
                      "[0]\nsButtonText=work\nsFolderPath=D:\\work\nsubkey=K0\n"
                      "[1]\nsButtonText=broken\n"
                      "[2]\nsButtonText=tools\niCommand=2001\nsubkey=K2\n");
    folder_.WriteSubmenu("[K0]\n0=src|D:\\work\\src\n");
    std::wstring message;
    test::DialogScript script([&](test::DialogScript& s) { message = s.AnswerMessageBox(); });
    toolbar_.LoadButtons();
    EXPECT_EQ(script.Finish(), "");
    EXPECT_EQ(message, L"ini 파일에 오류가 있습니다.");

    ASSERT_EQ(toolbar_.ButtonCount(), 3);
    EXPECT_EQ(FaceAt(0), Face(100, kImageWithEntries, BTNS_AUTOSIZE, L"work"));
    EXPECT_EQ(FaceAt(1), Face(0, kImageNoEntries, BTNS_BUTTON, L""));
    EXPECT_EQ(FaceAt(2), Face(102, kImageNoEntries, BTNS_AUTOSIZE, L"tools"));
    EXPECT_EQ(FolderButtonList().size(), 3u);

    // A reload throws every button away: an emptied file gives the hint.
    folder_.WriteMain("[main]\nsize=0\n");
    toolbar_.LoadButtons();
    ASSERT_EQ(toolbar_.ButtonCount(), 1);
    EXPECT_EQ(FaceAt(0), Face(kHintButtonCommand, kImageWithEntries, BTNS_AUTOSIZE,
                              L"여기에 폴더를 드랍하시오, Ctrl+드래그로 바를 이동 시킵니다."));
    EXPECT_TRUE(FolderButtonList().empty());
}

TEST_F(FolderToolBarTest, RightClickPostsTheButtonAndTheCtrlState)
{
    folder_.WriteMain("[main]\nsize=3\n[0]\nsFolderPath=C:\\a\n[1]\nsFolderPath=C:\\b\n[2]\nsFolderPath=C:\\c\n");
    toolbar_.LoadButtons();
    BYTE keys[256];
    GetKeyboardState(keys);
    for (const bool ctrl : {true, false}) {
        keys[VK_CONTROL] = ctrl ? 0x80 : 0;
        SetKeyboardState(keys);
        const POINT p = CentreOf(2);
        SendMessageW(toolbar_.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(p.x, p.y));
        const auto posted = parent_.TakePosted(WM_BUTTON_CONTEXT);
        ASSERT_TRUE(posted.has_value());
        EXPECT_EQ(posted->wParam, 2u);
        EXPECT_EQ(posted->lParam, ctrl ? 1 : 0);
    }
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    SendMessageW(toolbar_.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2000, 5));  // beside the buttons
    EXPECT_FALSE(parent_.TakePosted(WM_BUTTON_CONTEXT).has_value());
}

TEST_F(FolderToolBarTest, DropTakesTheFirstItemWholeAndPostsTheHitButton)
{
    folder_.WriteMain("[main]\nsize=2\n[0]\nsFolderPath=C:\\a\n[1]\nsFolderPath=C:\\b\n");
    toolbar_.LoadButtons();
    ShowWindow(parent_.hwnd(), SW_SHOWNA);
    const std::string longName = "C:\\" + std::string(600, 'L') + "\\end";
    const struct {
        std::vector<std::string> names;
        std::string expected;
    } drops[] = {
        {{"D:\\work"}, "D:\\work"},
        {{"D:\\first", "D:\\second", "D:\\third.txt"}, "D:\\first"},
        {{longName}, longName},  // past the 512 bytes a fixed buffer would have kept
    };
    for (const auto& d : drops) {
        POINT screen = CentreOf(1);
        ClientToScreen(toolbar_.hwnd(), &screen);
        SetCursorPos(screen.x, screen.y);
        POINT now{};
        for (int i = 0; i < 200 && (GetCursorPos(&now), now.x != screen.x || now.y != screen.y); ++i)
            Sleep(5);  // the window system moves the pointer in its own time
        SendMessageW(toolbar_.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(test::MakeDrop(d.names)), 0);
        EXPECT_EQ(DroppedFolderPath(), d.expected);
        const auto posted = parent_.TakePosted(WM_FOLDER_DROPPED);
        ASSERT_TRUE(posted.has_value());
        EXPECT_EQ(static_cast<int>(posted->wParam), 1);
    }
    // A drop of nothing posts nothing.
    SendMessageW(toolbar_.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(test::MakeDrop(std::vector<std::string>{})), 0);
    EXPECT_EQ(DroppedFolderPath(), "");
    EXPECT_FALSE(parent_.TakePosted(WM_FOLDER_DROPPED).has_value());
}

}  // namespace
}  // namespace quorbel
