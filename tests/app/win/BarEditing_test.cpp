// The bar edited in-process: real drops on chosen buttons, the drop menu and the bar's
// context menu answered with keys, the dialogs confirmed or cancelled, and the INI files
// compared afterwards.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/win/BarWindow.h"
#include "config/ConfigNames.h"
#include "config/IniSection.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/win/DialogScript.h"
#include "tests/support/win/TestWindow.h"

namespace quorbel {
namespace {

using test::DialogScript;

const char kThreeButtons[] = "[main]\nsize=3\nbTray=0\nbGlue=1\n"
                             "[0]\nsButtonText=A\nsFolderPath=C:\\a\nsubkey=KA\n"
                             "[1]\nsButtonText=B\nsFolderPath=C:\\b\nsubkey=KB\n"
                             "[2]\nsButtonText=C\niCommand=2001\nsFolderPath=C:\\c\nsubkey=KC\n";

HDROP MakeDrop(const std::string& name)
{
    const std::string list = name + std::string(2, '\0');
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

// The bar's window and its toolbar, as the script finds them from its own thread.
struct BarWindows {
    HWND bar = nullptr;
    HWND toolbar = nullptr;
};

BOOL CALLBACK FindBar(HWND window, LPARAM data)
{
    auto* found = reinterpret_cast<std::pair<DWORD, HWND>*>(data);
    wchar_t name[16];
    if (GetWindowThreadProcessId(window, nullptr) == found->first && GetClassNameW(window, name, 16) &&
        lstrcmpW(name, L"#32770") == 0 && GetWindowTextLengthW(window) == 0) {
        found->second = window;
        return FALSE;
    }
    return TRUE;
}

class BarEditingTest : public ::testing::Test {
protected:
    // Runs the bar modally on this thread while `steps` play the user on another; the
    // steps end the bar with its OK command.
    void RunBar(const std::string& main, const std::string& submenus, DialogScript::Steps steps)
    {
        folder_.WriteMain(main);
        if (!submenus.empty())
            folder_.WriteSubmenu(submenus);
        barThread_ = GetCurrentThreadId();
        DialogScript script([&](DialogScript& s) {
            const BarWindows windows = WaitForBar(s);
            try {
                steps(s);
            } catch (...) {
                // The bar ignores a cancel: end it with its OK command whatever happened.
                PostMessageW(windows.bar, WM_COMMAND, IDOK, 0);
                throw;
            }
            PostMessageW(windows.bar, WM_COMMAND, IDOK, 0);
        });
        BarWindow bar(owner_.hwnd());
        bar.DoModal();
        failure_ = script.Finish();
    }

    BarWindows WaitForBar(DialogScript& s)
    {
        BarWindows windows;
        s.WaitUntil([&] {
            std::pair<DWORD, HWND> found{barThread_, nullptr};
            EnumWindows(FindBar, reinterpret_cast<LPARAM>(&found));
            windows.bar = found.second;
            windows.toolbar = windows.bar ? FindWindowExW(windows.bar, nullptr, TOOLBARCLASSNAMEW, nullptr) : nullptr;
            return windows.toolbar != nullptr;
        }, "the bar and its toolbar");
        return windows;
    }

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

    // Drops `path` on button `position` as the shell would: the pointer over the button.
    void Drop(DialogScript& s, const std::string& path, int position)
    {
        const BarWindows windows = WaitForBar(s);
        RECT button{};
        s.Send(windows.toolbar, TB_GETITEMRECT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&button));
        POINT centre{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
        ClientToScreen(windows.toolbar, &centre);
        SetCursorPos(centre.x, centre.y);
        s.Send(windows.toolbar, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(path)));
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
    DWORD barThread_ = 0;
};

TEST_F(BarEditingTest, ContextMenuHasItsFiveItemsInOrderWithTheGlueMark)
{
    std::vector<UINT> ids;
    std::vector<std::wstring> texts;
    UINT glueState = 0;
    RunBar(kThreeButtons, "", [&](DialogScript& s) {
        const HWND bar = WaitForBar(s).bar;
        PostMessageW(bar, WM_USER + 100, 1, 1);  // button 1, Ctrl held
        const HMENU menu = WaitForMenu(s);
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            ids.push_back(GetMenuItemID(menu, i));
            wchar_t text[64] = {};
            GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
            texts.push_back(text);
        }
        glueState = GetMenuState(menu, 104, MF_BYCOMMAND);
        PostMessageW(bar, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    ASSERT_EQ(failure_, "");
    EXPECT_EQ(ids, (std::vector<UINT>{100, 101, 104, 103, 102}));
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"수정", L"삭제", L"토탈커맨드창에 달라붙기", L"도움말", L"Quorbel 종료"}));
    EXPECT_TRUE(glueState & MF_CHECKED);
}

TEST_F(BarEditingTest, TrayMenuOffersAboutAndQuitOnButtonRelease)
{
    std::vector<UINT> ids;
    std::vector<std::wstring> texts;
    bool menuOnMove = true;
    RunBar("[main]\nsize=1\n[0]\nsButtonText=A\nsFolderPath=C:\\a\nsubkey=KA\n", "", [&](DialogScript& s) {
        HWND tray = nullptr;
        s.WaitUntil([&] { return (tray = FindWindowW(L"QuorbelTrayIcon", nullptr)) != nullptr; }, "the tray icon's window");
        // Moving over the icon or pressing a button opens nothing.
        s.Send(tray, 0x800, 1024, WM_MOUSEMOVE);
        s.Send(tray, 0x800, 1024, WM_LBUTTONDOWN);
        const HWND popup = FindWindowW(L"#32768", nullptr);
        menuOnMove = popup && IsWindowVisible(popup);
        PostMessageW(tray, 0x800, 1024, WM_LBUTTONUP);
        const HMENU menu = WaitForMenu(s);
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            ids.push_back(GetMenuItemID(menu, i));
            wchar_t text[64] = {};
            GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
            texts.push_back(text);
        }
        PostMessageW(WaitForBar(s).bar, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    ASSERT_EQ(failure_, "");
    EXPECT_FALSE(menuOnMove);
    EXPECT_EQ(ids, (std::vector<UINT>{16, 1}));
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"정보", L"Quorbel 종료"}));
}

TEST_F(BarEditingTest, NoTrayIconUnlessTheSettingIsExactlyOne)
{
    for (const char* value : {"0", "2", "-1"}) {
        bool found = true;
        RunBar(std::string("[main]\nbTray=") + value + "\n", "", [&](DialogScript& s) {
            WaitForBar(s);
            found = FindWindowW(L"QuorbelTrayIcon", nullptr) != nullptr;
        });
        ASSERT_EQ(failure_, "");
        EXPECT_FALSE(found) << "bTray=" << value;
    }
}

TEST_F(BarEditingTest, GlueItemSwitchesTheSettingBothWays)
{
    const std::string main = test::Crlf(kThreeButtons);
    RunBar(kThreeButtons, "", [&](DialogScript& s) {
        const HWND bar = WaitForBar(s).bar;
        for (int round = 0; round < 2; ++round) {
            PostMessageW(bar, WM_USER + 100, 0, 1);
            ChooseMenuItem(s, bar, 2);
            s.WaitUntil([&] { return FindWindowW(L"#32768", nullptr) == nullptr || !IsWindowVisible(FindWindowW(L"#32768", nullptr)); },
                        "the menu to close");
            const std::string expected = round == 0 ? "0" : "1";
            s.WaitUntil([&] { return Value(kMainSection, key::kGlue, folder_.MainIni()) == expected; },
                        "bGlue = " + expected);
        }
    });
    EXPECT_EQ(failure_, "");
}

TEST_F(BarEditingTest, DeleteClosesTheGapAndRemovesTheButtonsEntries)
{
    RunBar(kThreeButtons, "[KB]\n0=x|C:\\x\n[KBE]\n0=1|9|-1|-1|-1\n[KC]\n0=y|C:\\y\n", [&](DialogScript& s) {
        const BarWindows windows = WaitForBar(s);
        PostMessageW(windows.bar, WM_USER + 100, 1, 1);
        ChooseMenuItem(s, windows.bar, 1);
        s.WaitUntil([&] { return Value(kMainSection, key::kSize, folder_.MainIni()) == "2"; }, "size 2");
        s.WaitUntil([&] {
            const HWND toolbar = FindWindowExW(windows.bar, nullptr, TOOLBARCLASSNAMEW, nullptr);
            return toolbar && SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0) == 2;
        }, "two buttons on the bar");
    });
    ASSERT_EQ(failure_, "");
    EXPECT_EQ(Value("0", key::kButtonText, folder_.MainIni()), "A");
    EXPECT_EQ(Value("1", key::kButtonText, folder_.MainIni()), "C");
    EXPECT_EQ(Value("1", key::kCommand, folder_.MainIni()), "2001");
    EXPECT_EQ(Value("1", key::kSubmenuKey, folder_.MainIni()), "KC");
    // The old last section stays beyond the count; B's entries are gone, not its decorations.
    EXPECT_EQ(Value("2", key::kButtonText, folder_.MainIni()), "C");
    EXPECT_EQ(Value("KB", "0", folder_.SubmenuIni()), "<absent>");
    EXPECT_EQ(Value("KBE", "0", folder_.SubmenuIni()), "1|9|-1|-1|-1");
    EXPECT_EQ(Value("KC", "0", folder_.SubmenuIni()), "y|C:\\y");
}

TEST_F(BarEditingTest, DroppedFolderBesideAButtonConfirmed)
{
    RunBar(kThreeButtons, "", [&](DialogScript& s) {
        const HWND bar = WaitForBar(s).bar;
        Drop(s, "D:\\data\\work", 1);
        ChooseMenuItem(s, bar, 0);
        const HWND dialog = s.WaitForDialog(L"폴더 버튼 설정");
        if (s.Text(dialog, 1000) != "work" || s.Text(dialog, 1002) != "D:\\data\\work")
            s.Fail("the dialog shows the new button: " + s.Text(dialog, 1000) + " " + s.Text(dialog, 1002));
        s.Click(dialog, IDOK);
        s.WaitUntilGone(dialog);
    });
    ASSERT_EQ(failure_, "");
    const std::string path = folder_.MainIni();
    EXPECT_EQ(Value(kMainSection, key::kSize, path), "4");
    EXPECT_EQ(Value("1", key::kButtonText, path), "B");
    EXPECT_EQ(Value("2", key::kButtonText, path), "work");
    EXPECT_EQ(Value("2", key::kFolderPath, path), "D:\\data\\work");
    // The dialog writes the hidden command field back as it read it: an absent key as
    // empty text, which reads as 0: a folder button.
    EXPECT_EQ(GetPrivateProfileIntA("2", key::kCommand, 0, path.c_str()), 0u);
    EXPECT_FALSE(Value("2", key::kSubmenuKey, path).empty());
    // C moved whole, its command number with it.
    EXPECT_EQ(Value("3", key::kButtonText, path), "C");
    EXPECT_EQ(Value("3", key::kCommand, path), "2001");
    EXPECT_EQ(Value("3", key::kSubmenuKey, path), "KC");
}

TEST_F(BarEditingTest, DroppedFolderBesideAButtonCancelledLeavesTheFileAsItWas)
{
    folder_.WriteMain(kThreeButtons);
    const std::string before = test::ReadFileBytes(folder_.MainIni());
    RunBar(kThreeButtons, "", [&](DialogScript& s) {
        const HWND bar = WaitForBar(s).bar;
        Drop(s, "D:\\work", 0);
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

TEST_F(BarEditingTest, DroppedFolderIntoAButtonsMenuTakesTheLowestFreeKey)
{
    RunBar(kThreeButtons, "[KB]\n0=x|C:\\x\n1=\n2=z|C:\\z\n", [&](DialogScript& s) {
        const HWND bar = WaitForBar(s).bar;
        Drop(s, "E:\\photos", 1);
        ChooseMenuItem(s, bar, 1);
        const HWND dialog = s.WaitForDialog(L"폴더 버튼 설정");
        s.Click(dialog, IDOK);
        s.WaitUntilGone(dialog);
    });
    ASSERT_EQ(failure_, "");
    EXPECT_EQ(Value("KB", "1", folder_.SubmenuIni()), "photos|E:\\photos");
    // Written last: the new row is the last of the menu.
    const std::string text = test::ReadFileBytes(folder_.SubmenuIni());
    EXPECT_LT(text.find("2=z"), text.find("1=photos"));
    EXPECT_EQ(Value(kMainSection, key::kSize, folder_.MainIni()), "3");
}

TEST_F(BarEditingTest, DropOnAnEmptyBarMakesTheFirstButtonAtOnce)
{
    RunBar("[main]\nbTray=0\n", "", [&](DialogScript& s) {
        WaitForBar(s);
        Drop(s, "C:\\", 0);  // a drive root: no name after its backslash
        const HWND dialog = s.WaitForDialog(L"폴더 버튼 설정");
        s.Click(dialog, IDOK);
        s.WaitUntilGone(dialog);
    });
    ASSERT_EQ(failure_, "");
    EXPECT_EQ(Value(kMainSection, key::kSize, folder_.MainIni()), "1");
    EXPECT_EQ(Value("0", key::kFolderPath, folder_.MainIni()), "C:\\");
    EXPECT_EQ(Value("0", key::kButtonText, folder_.MainIni()), "");
}

TEST_F(BarEditingTest, DropBesideTheButtonsAddsAfterTheLastOne)
{
    RunBar(kThreeButtons, "", [&](DialogScript& s) {
        const BarWindows windows = WaitForBar(s);
        RECT last{};
        s.Send(windows.toolbar, TB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&last));
        POINT beside{last.right + 30, (last.top + last.bottom) / 2};
        ClientToScreen(windows.toolbar, &beside);
        SetCursorPos(beside.x, beside.y);
        s.Send(windows.toolbar, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop("D:\\end")));
        const HMENU menu = WaitForMenu(s);
        if (!(GetMenuState(menu, 2, MF_BYCOMMAND) & MF_GRAYED))
            s.Fail("adding to a menu is offered without a button to add to");
        PostMessageW(windows.bar, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(windows.bar, WM_KEYDOWN, VK_RETURN, 0);
        const HWND dialog = s.WaitForDialog(L"폴더 버튼 설정");
        s.Click(dialog, IDOK);
        s.WaitUntilGone(dialog);
    });
    ASSERT_EQ(failure_, "");
    EXPECT_EQ(Value(kMainSection, key::kSize, folder_.MainIni()), "4");
    EXPECT_EQ(Value("2", key::kButtonText, folder_.MainIni()), "C");
    EXPECT_EQ(Value("3", key::kFolderPath, folder_.MainIni()), "D:\\end");
}

}  // namespace
}  // namespace quorbel
