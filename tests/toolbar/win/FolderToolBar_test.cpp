#include "toolbar/win/FolderToolBar.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>

#include <string>
#include <vector>

#include "tests/support/ProgramFolder.h"
#include "tests/support/win/DialogScript.h"
#include "toolbar/FolderButton.h"

namespace quorbel {
namespace {

// A drop handle as the shell makes one: DROPFILES marked wide, then the names in UTF-16,
// each ended by a zero, and one more zero. Whoever handles WM_DROPFILES frees it.
WPARAM MakeDrop(const std::vector<std::wstring>& names)
{
    std::wstring list;
    for (const std::wstring& name : names)
        list += name + L'\0';
    list += L'\0';
    const std::size_t bytes = list.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(drop + 1, list.data(), bytes);
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

    POINT CentreOf(int index)
    {
        const RECT r = toolbar_.ItemRect(index);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    test::ProgramFolder folder_;
    const HWND parent_ = CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 800, 200, nullptr, nullptr, nullptr, nullptr);
    FolderToolBar toolbar_;
};

TEST_F(FolderToolBarTest, AButtonWithoutAFolderIsReportedOnLoad)
{
    folder_.WriteMain("[main]\nsize=2\n[0]\nsButtonText=work\nsFolderPath=D:\\work\n[1]\nsButtonText=broken\n");
    std::wstring message;
    test::DialogScript script([&](test::DialogScript& s) { message = s.AnswerMessageBox(); });
    toolbar_.LoadButtons();
    EXPECT_EQ(script.Finish(), "");
    EXPECT_EQ(message, L"ini 파일에 오류가 있습니다.");
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
        EXPECT_EQ(posted.wParam, 2u);
        EXPECT_EQ(posted.lParam, ctrl ? 1 : 0);
    }
}

TEST_F(FolderToolBarTest, ALongDropIsTakenWholeAndPostsTheHitButton)
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
    // Past the 512 bytes of a fixed buffer; only the first of several names is taken.
    const std::wstring longName = L"C:\\" + std::wstring(600, L'L') + L"\\end";
    SendMessageW(toolbar_.hwnd(), WM_DROPFILES, MakeDrop({longName, L"D:\\b"}), 0);
    EXPECT_EQ(DroppedFolderPath(), std::string(longName.begin(), longName.end()));
    EXPECT_EQ(Posted(WM_FOLDER_DROPPED).wParam, 1u);

    // A name the system code page cannot hold (Thai here) would be stored with "?" in its
    // place and send the host nowhere on every click: refused, with a message.
    std::wstring message;
    test::DialogScript script([&](test::DialogScript& s) { message = s.AnswerMessageBox(); });
    SendMessageW(toolbar_.hwnd(), WM_DROPFILES, MakeDrop({L"D:\\\u0E44\u0E17\u0E22"}), 0);
    EXPECT_EQ(script.Finish(), "");
    EXPECT_EQ(message, L"폴더 이름에 이 시스템의 문자 코드로 나타낼 수 없는 문자가 있어 추가할 수 없습니다.");
    EXPECT_EQ(Posted(WM_FOLDER_DROPPED).message, 0u);
}

}  // namespace
}  // namespace quorbel
