#include "toolbar/win/FolderToolBar.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/ProgramFolder.h"
#include "tests/support/win/DialogScript.h"
#include "toolbar/FolderButton.h"

namespace quorbel {
namespace {

// A drop handle as the shell makes one: DROPFILES, then the names (system code page),
// each ended by a zero byte, and one more zero. Whoever handles WM_DROPFILES frees it.
WPARAM MakeDrop(const std::vector<std::string>& names)
{
    std::string list;
    for (const std::string& name : names)
        list += name + '\0';
    list += '\0';
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    std::memcpy(drop + 1, list.data(), list.size());
    GlobalUnlock(memory);
    return reinterpret_cast<WPARAM>(memory);
}

class FolderToolBarTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(toolbar_.Create(parent_, WS_CHILD | WS_VISIBLE, 0xE800)); }
    void TearDown() override { DestroyWindow(parent_); }

    // What the toolbar posted to its parent, taken from the queue (message 0: nothing).
    MSG Posted(UINT message)
    {
        MSG posted{};
        PeekMessageW(&posted, parent_, message, message, PM_REMOVE);
        return posted;
    }

    // Style and caption of a button; after a reload the control is a new one.
    std::pair<int, std::wstring> FaceAt(int index)
    {
        wchar_t text[256] = {};
        TBBUTTONINFOW info{sizeof info, TBIF_BYINDEX | TBIF_TEXT | TBIF_STYLE, 0, 0, 0, 0, 0, 0, text, 256};
        SendMessageW(toolbar_.hwnd(), TB_GETBUTTONINFOW, index, reinterpret_cast<LPARAM>(&info));
        return {info.fsStyle, text};
    }

    POINT CentreOf(int index)
    {
        const RECT r = toolbar_.ItemRect(index);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    test::ProgramFolder folder_;
    const HWND parent_ = CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 800, 200, nullptr, nullptr, nullptr, nullptr);
    FolderToolBar toolbar_;
};

TEST_F(FolderToolBarTest, ButtonsShowTheirCaptionsABlankForARejectedOneAndAnEmptyBarTheHint)
{
    folder_.WriteMain("[main]\nsize=2\n[0]\nsButtonText=work\nsFolderPath=D:\\work\n[1]\nsButtonText=broken\n");
    std::wstring message;
    test::DialogScript script([&](test::DialogScript& s) { message = s.AnswerMessageBox(); });
    toolbar_.LoadButtons();
    EXPECT_EQ(script.Finish(), "");
    EXPECT_EQ(message, L"ini 파일에 오류가 있습니다.");
    EXPECT_EQ(FaceAt(0), std::make_pair(BTNS_AUTOSIZE, std::wstring(L"work")));
    EXPECT_EQ(FaceAt(1), std::make_pair(BTNS_BUTTON, std::wstring()));

    folder_.WriteMain("[main]\nsize=0\n");
    toolbar_.LoadButtons();
    ASSERT_EQ(toolbar_.ButtonCount(), 1);
    EXPECT_EQ(FaceAt(0).second, L"여기에 폴더를 드랍하시오, Ctrl+드래그로 바를 이동 시킵니다.");
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
        const MSG posted = Posted(WM_BUTTON_CONTEXT);
        EXPECT_EQ(posted.message, WM_BUTTON_CONTEXT);
        EXPECT_EQ(posted.wParam, 2u);
        EXPECT_EQ(posted.lParam, ctrl ? 1 : 0);
    }
    SendMessageW(toolbar_.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2000, 5));  // beside the buttons
    EXPECT_EQ(Posted(WM_BUTTON_CONTEXT).message, 0u);
}

TEST_F(FolderToolBarTest, DropTakesTheFirstItemWholeAndPostsTheHitButton)
{
    folder_.WriteMain("[main]\nsize=2\n[0]\nsFolderPath=C:\\a\n[1]\nsFolderPath=C:\\b\n");
    toolbar_.LoadButtons();
    ShowWindow(parent_, SW_SHOWNA);
    POINT screen = CentreOf(1);
    ClientToScreen(toolbar_.hwnd(), &screen);
    SetCursorPos(screen.x, screen.y);
    POINT now{};
    for (int i = 0; i < 200 && (GetCursorPos(&now), now.x != screen.x || now.y != screen.y); ++i)
        Sleep(5);  // the window system moves the pointer in its own time
    const std::string longName = "C:\\" + std::string(600, 'L') + "\\end";
    const std::vector<std::string> drops[] = {
        {"D:\\first", "D:\\second", "D:\\third.txt"},
        {longName},  // past the 512 bytes a fixed buffer would have kept
        {},          // nothing: nothing posted
    };
    for (const auto& names : drops) {
        SendMessageW(toolbar_.hwnd(), WM_DROPFILES, MakeDrop(names), 0);
        EXPECT_EQ(DroppedFolderPath(), names.empty() ? "" : names[0]);
        const MSG posted = Posted(WM_FOLDER_DROPPED);
        EXPECT_EQ(posted.message, names.empty() ? 0u : WM_FOLDER_DROPPED);
        EXPECT_EQ(posted.wParam, names.empty() ? 0u : 1u);
    }
}

}  // namespace
}  // namespace quorbel
