#include "toolbar/win/FolderToolBar.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "config/IniSection.h"
#include "config/ConfigNames.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/win/MessageBoxWatcher.h"
#include "tests/support/win/TestWindow.h"
#include "toolbar/ButtonLoad.h"
#include "toolbar/FolderButton.h"
#include "tests/support/TestFiles.h"

namespace quorbel {
namespace {

using test::MessageBoxWatcher;
using test::ProgramFolder;
using test::TestWindow;

struct Face {
    int command;
    int image;
    BYTE style;
    BYTE state;
    std::string caption;
};

class FolderToolBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(toolbar_.Create(parent_.hwnd(), WS_CHILD | WS_VISIBLE, 0xE800));
        SetWindowLongPtrW(toolbar_.hwnd(), GWL_STYLE,
                          GetWindowLongPtrW(toolbar_.hwnd(), GWL_STYLE) | TBSTYLE_LIST);
        MoveWindow(toolbar_.hwnd(), 0, 0, 780, 40, FALSE);
    }

    Face FaceAt(int index)
    {
        TBBUTTON button{};
        SendMessageW(toolbar_.hwnd(), TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button));
        char text[512] = {};
        TBBUTTONINFOA info{};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_BYINDEX | TBIF_TEXT;
        info.pszText = text;
        info.cchText = sizeof text;
        SendMessageA(toolbar_.hwnd(), TB_GETBUTTONINFOA, index, reinterpret_cast<LPARAM>(&info));
        return Face{button.idCommand, button.iBitmap, button.fsStyle, button.fsState, text};
    }

    POINT CentreOf(int index)
    {
        const RECT r = toolbar_.ItemRect(index);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    ProgramFolder folder_;
    TestWindow parent_;
    FolderToolBar toolbar_;
};

TEST_F(FolderToolBarTest, EmptyBarShowsTheHintButton)
{
    toolbar_.LoadButtons();
    ASSERT_EQ(toolbar_.ButtonCount(), 1);
    const Face hint = FaceAt(0);
    EXPECT_EQ(hint.command, kHintButtonCommand);
    EXPECT_EQ(hint.image, kImageWithEntries);
    EXPECT_EQ(hint.style, BTNS_AUTOSIZE);
    EXPECT_TRUE(hint.state & TBSTATE_ENABLED);
    wchar_t wide[256] = {};
    TBBUTTONINFOW info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_BYINDEX | TBIF_TEXT;
    info.pszText = wide;
    info.cchText = 256;
    SendMessageW(toolbar_.hwnd(), TB_GETBUTTONINFOW, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(wide, L"여기에 폴더를 드랍하시오, Ctrl+드래그로 바를 이동 시킵니다.");
    EXPECT_TRUE(FolderButtonList().empty());
}

TEST_F(FolderToolBarTest, ButtonsFollowTheirSections)
{
    folder_.WriteMain("[main]\nsize=3\n"
                      "[0]\nsButtonText=work\nsFolderPath=D:\\work\nsubkey=K0\n"
                      "[1]\nsButtonText=tools\niCommand=2001\nsubkey=K1\n"
                      "[2]\nsButtonText=empty menu\nsFolderPath=C:\\x\nsubkey=K2\n");
    folder_.WriteSubmenu("[K0]\n0=src|D:\\work\\src\n[K2]\n0=\n1=\n");
    toolbar_.LoadButtons();

    ASSERT_EQ(toolbar_.ButtonCount(), 3);
    const Face work = FaceAt(0);
    EXPECT_EQ(work.command, 100);
    EXPECT_EQ(work.caption, "work");
    EXPECT_EQ(work.image, kImageWithEntries);
    EXPECT_EQ(work.style, BTNS_AUTOSIZE);
    const Face tools = FaceAt(1);
    EXPECT_EQ(tools.command, 101);
    EXPECT_EQ(tools.caption, "tools");
    EXPECT_EQ(tools.image, kImageNoEntries);
    // Only empty values in the entry section: no entries.
    EXPECT_EQ(FaceAt(2).image, kImageNoEntries);

    const std::vector<FolderButton>& records = FolderButtonList();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].folderPath, "D:\\work");
    EXPECT_EQ(records[1].command, 2001);
    EXPECT_EQ(records[2].submenuKey, "K2");
}

TEST_F(FolderToolBarTest, RejectedSectionLeavesABlankButtonAndReportsOnce)
{
    folder_.WriteMain("[main]\nsize=3\n"
                      "[0]\nsButtonText=a\nsFolderPath=C:\\a\nsubkey=K0\n"
                      "[1]\nsButtonText=broken\n"
                      "[2]\nsButtonText=c\nsFolderPath=C:\\c\nsubkey=K2\n");
    MessageBoxWatcher watcher;
    toolbar_.LoadButtons();

    ASSERT_EQ(toolbar_.ButtonCount(), 3);
    const Face blank = FaceAt(1);
    EXPECT_EQ(blank.command, 0);
    EXPECT_EQ(blank.image, kImageNoEntries);
    EXPECT_EQ(blank.caption, "");
    EXPECT_EQ(FaceAt(2).caption, "c");
    EXPECT_EQ(FaceAt(2).command, 102);

    // Record k still describes button k: the blank keeps its place.
    ASSERT_EQ(FolderButtonList().size(), 3u);
    EXPECT_FALSE(FolderButtonList()[1].valid);
    EXPECT_EQ(FolderButtonList()[2].folderPath, "C:\\c");

    const std::vector<std::wstring> texts = watcher.Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], L"ini 파일에 오류가 있습니다.");
    // The rejected section got its SubmenuKey all the same.
    EXPECT_FALSE(IniSection("1", folder_.MainIni()).ReadString(key::kSubmenuKey).empty());
}

TEST_F(FolderToolBarTest, NegativeSizeShowsTheHint)
{
    folder_.WriteMain("[main]\nsize=-5\n[0]\nsButtonText=a\nsFolderPath=C:\\a\nsubkey=K0\n");
    toolbar_.LoadButtons();
    ASSERT_EQ(toolbar_.ButtonCount(), 1);
    EXPECT_EQ(FaceAt(0).command, kHintButtonCommand);
    EXPECT_TRUE(FolderButtonList().empty());
}

TEST_F(FolderToolBarTest, HugeSizeShowsTheSectionsThatExistAndKeepsTheFile)
{
    folder_.WriteMain("[main]\nsize=2000000000\n"
                      "[0]\nsButtonText=a\nsFolderPath=C:\\a\nsubkey=K0\n"
                      "[1]\nsButtonText=b\nsFolderPath=C:\\b\nsubkey=K1\n");
    const std::string before = test::ReadFileBytes(folder_.MainIni());
    MessageBoxWatcher watcher;
    toolbar_.LoadButtons();
    EXPECT_EQ(toolbar_.ButtonCount(), 2);
    EXPECT_EQ(FolderButtonList().size(), 2u);
    EXPECT_TRUE(watcher.Texts().empty());
    EXPECT_EQ(test::ReadFileBytes(folder_.MainIni()), before);
}

TEST_F(FolderToolBarTest, ButtonCountIsBounded)
{
    std::string main = "[main]\nsize=" + std::to_string(kMaxButtons + 40) + "\n";
    for (int n = 0; n < kMaxButtons + 40; ++n)
        main += "[" + std::to_string(n) + "]\nsFolderPath=C:\\f" + std::to_string(n) + "\nsubkey=K\n";
    folder_.WriteMain(main);
    toolbar_.LoadButtons();
    EXPECT_EQ(toolbar_.ButtonCount(), kMaxButtons);
    ASSERT_EQ(FolderButtonList().size(), static_cast<std::size_t>(kMaxButtons));
    EXPECT_EQ(FolderButtonList().back().folderPath, "C:\\f" + std::to_string(kMaxButtons - 1));
}

TEST_F(FolderToolBarTest, MissingSectionInsideTheCountIsABlankButtonAndIsNotCreated)
{
    folder_.WriteMain("[main]\nsize=3\n"
                      "[0]\nsButtonText=a\nsFolderPath=C:\\a\nsubkey=K0\n"
                      "[2]\nsButtonText=c\nsFolderPath=C:\\c\nsubkey=K2\n");
    MessageBoxWatcher watcher;
    toolbar_.LoadButtons();
    ASSERT_EQ(toolbar_.ButtonCount(), 3);
    EXPECT_EQ(FaceAt(1).command, 0);
    EXPECT_EQ(watcher.Texts().size(), 1u);
    EXPECT_TRUE(IniSection("1", folder_.MainIni()).ReadString(key::kSubmenuKey).empty());
}

TEST_F(FolderToolBarTest, ReloadReplacesEveryButton)
{
    folder_.WriteMain("[main]\nsize=2\n[0]\nsButtonText=a\nsFolderPath=C:\\a\nsubkey=K0\n"
                      "[1]\nsButtonText=b\nsFolderPath=C:\\b\nsubkey=K1\n");
    toolbar_.LoadButtons();
    ASSERT_EQ(toolbar_.ButtonCount(), 2);
    folder_.WriteMain("[main]\nsize=0\n");
    toolbar_.LoadButtons();
    ASSERT_EQ(toolbar_.ButtonCount(), 1);
    EXPECT_EQ(FaceAt(0).command, kHintButtonCommand);
    EXPECT_TRUE(FolderButtonList().empty());
}

TEST_F(FolderToolBarTest, RightClickPostsTheButtonAndTheCtrlState)
{
    folder_.WriteMain("[main]\nsize=3\n[0]\nsButtonText=a\nsFolderPath=C:\\a\nsubkey=K0\n"
                      "[1]\nsButtonText=b\nsFolderPath=C:\\b\nsubkey=K1\n"
                      "[2]\nsButtonText=c\nsFolderPath=C:\\c\nsubkey=K2\n");
    toolbar_.LoadButtons();

    BYTE keys[256];
    GetKeyboardState(keys);
    for (const bool ctrl : {true, false}) {
        keys[VK_CONTROL] = ctrl ? 0x80 : 0;
        SetKeyboardState(keys);
        const POINT p = CentreOf(2);
        SendMessageW(toolbar_.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(p.x, p.y));
        SendMessageW(toolbar_.hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(p.x, p.y));
        const auto posted = parent_.TakePosted(WM_BUTTON_CONTEXT);
        ASSERT_TRUE(posted.has_value());
        EXPECT_EQ(posted->wParam, 2u);
        EXPECT_EQ(posted->lParam, ctrl ? 1 : 0);
    }
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);

    // Beside the buttons: nothing.
    SendMessageW(toolbar_.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(770, 5));
    EXPECT_FALSE(parent_.TakePosted(WM_BUTTON_CONTEXT).has_value());
}

// A real drop handle as the shell makes it: DROPFILES, then the names, each ended by a
// zero byte, and one more zero.
HDROP MakeDrop(const std::vector<std::string>& names)
{
    std::string list;
    for (const std::string& name : names) {
        list += name;
        list += '\0';
    }
    list += '\0';
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST_F(FolderToolBarTest, DropTakesTheFirstItemWholeAndPostsTheHitButton)
{
    folder_.WriteMain("[main]\nsize=2\n[0]\nsButtonText=a\nsFolderPath=C:\\a\nsubkey=K0\n"
                      "[1]\nsButtonText=b\nsFolderPath=C:\\b\nsubkey=K1\n");
    toolbar_.LoadButtons();
    ShowWindow(parent_.hwnd(), SW_SHOWNA);

    const std::string longName = "C:\\" + std::string(600, 'L') + "\\end";
    const struct {
        std::vector<std::string> names;
        std::string expected;
    } drops[] = {
        {{"D:\\work"}, "D:\\work"},
        {{"D:\\first", "D:\\second", "D:\\third.txt"}, "D:\\first"},
        {{longName}, longName},
    };
    for (const auto& d : drops) {
        POINT screen = CentreOf(1);
        ClientToScreen(toolbar_.hwnd(), &screen);
        SetCursorPos(screen.x, screen.y);
        SendMessageW(toolbar_.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(d.names)), 0);
        EXPECT_EQ(DroppedFolderPath(), d.expected);
        const auto posted = parent_.TakePosted(WM_FOLDER_DROPPED);
        ASSERT_TRUE(posted.has_value());
        EXPECT_EQ(static_cast<int>(posted->wParam), 1);
        EXPECT_EQ(static_cast<int>(posted->lParam), 1);
    }
}

TEST_F(FolderToolBarTest, DropOfNothingPostsNothing)
{
    DroppedFolderPath() = "before";
    SendMessageW(toolbar_.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({})), 0);
    EXPECT_EQ(DroppedFolderPath(), "");
    EXPECT_FALSE(parent_.TakePosted(WM_FOLDER_DROPPED).has_value());
}

}  // namespace
}  // namespace quorbel
