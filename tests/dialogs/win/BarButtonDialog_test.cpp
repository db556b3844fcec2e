#include "dialogs/win/BarButtonDialog.h"

#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/win/DialogScript.h"

namespace quorbel {
namespace {

using test::DialogScript;

constexpr wchar_t kCaption[] = L"폴더 버튼 설정";

class BarButtonDialogTest : public testing::Test {
protected:
    void WriteMain(const std::string& bytes) { test::WriteFileBytes(folder_.MainIni(), bytes); }
    std::string Main() const { return test::ReadFileBytes(folder_.MainIni()); }

    INT_PTR Run(int position, const Rect& anchor, const DialogScript::Steps& steps)
    {
        BarButtonDialog dialog(position, anchor);
        DialogScript script(steps);
        const INT_PTR result = dialog.DoModal();
        EXPECT_EQ(script.Finish(), "");
        return result;
    }

    test::ProgramFolder folder_;
};

constexpr char kTwoButtons[] =
    "[main]\r\nsize=2\r\n"
    "[0]\r\nsButtonText=Docs\r\nsFolderPath=D:\\Docs\r\niCommand=0\r\nsubkey=k0\r\n"
    "[1]\r\nsButtonText=Sync\r\nsFolderPath=E:\\Sync\r\niCommand=2400\r\nsubkey=k1\r\n";

TEST_F(BarButtonDialogTest, OkWritesTheThreeKeysCarryingTheCommandNumberUnchanged)
{
    struct {
        const char* what;
        int position;
        const char *before, *text, *path, *after;
        const char *shownText, *shownCommand;
    } const cases[] = {
        {"a command number goes back as it was", 1, kTwoButtons, "Sync2", "F:\\Sync",
         "[main]\r\nsize=2\r\n"
         "[0]\r\nsButtonText=Docs\r\nsFolderPath=D:\\Docs\r\niCommand=0\r\nsubkey=k0\r\n"
         "[1]\r\nsButtonText=Sync2\r\nsFolderPath=F:\\Sync\r\niCommand=2400\r\nsubkey=k1\r\n",
         "Sync", "2400"},
        {"an absent command number is written as read: empty", 0,
         "[main]\r\nsize=1\r\n[0]\r\nsButtonText=Docs\r\nsFolderPath=D:\\Docs\r\n", "", "",
         "[main]\r\nsize=1\r\n[0]\r\nsButtonText=\r\nsFolderPath=\r\niCommand=\r\n", "Docs", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteMain(c.before);
        std::string shownText, shownCommand;
        const INT_PTR result = Run(c.position, {10, 10, 40, 34}, [&](DialogScript& script) {
            HWND dialog = script.WaitForDialog(kCaption);
            shownText = script.Text(dialog, IDC_TITLE);
            shownCommand = script.Text(dialog, IDC_COMMAND);
            script.SetText(dialog, IDC_TITLE, c.text);
            script.SetText(dialog, IDC_PATH, c.path);
            script.Click(dialog, IDOK);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(shownText, c.shownText);
        EXPECT_EQ(shownCommand, c.shownCommand);
        EXPECT_EQ(Main(), c.after);
    }
}

TEST_F(BarButtonDialogTest, CancelWritesNothing)
{
    WriteMain(kTwoButtons);
    const INT_PTR result = Run(0, {10, 10, 40, 34}, [](DialogScript& script) {
        HWND dialog = script.WaitForDialog(kCaption);
        script.SetText(dialog, IDC_TITLE, "changed");
        script.Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(Main(), kTwoButtons);
}

// The menu part of the template is hidden and cut off: OK and Cancel move up to where
// "메뉴 꾸미기" was, and the window ends 35 pixels below Cancel. The window opens below
// its anchor, pulled in from the right screen edge but never moved up from the bottom
// (placement is shared with FolderButtonDialog).
TEST_F(BarButtonDialogTest, HidesTheMenuPartAndShrinksBelowTheMovedButtons)
{
    WriteMain(kTwoButtons);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    struct Seen {
        bool hintShown, decorateShown, groupShown, pathShown;
        RECT decorate, ok, cancel, window;
    };
    struct {
        Rect anchor;
        bool pulledIn;
    } const cases[] = {
        {{10, 10, 40, 34}, false},
        {{screenWidth - 30, 50, screenWidth, 74}, true},
        {{300, screenHeight - 30, 340, screenHeight - 6}, false},  // past the bottom: stays there
    };
    for (const auto& [anchor, pulledIn] : cases) {
        Seen seen{};
        Run(1, anchor, [&](DialogScript& script) {
            HWND dialog = script.WaitForDialog(kCaption);
            seen.hintShown = script.IsVisible(dialog, IDC_SEPARATOR_HINT);
            seen.decorateShown = script.IsVisible(dialog, IDC_DECORATE);
            seen.groupShown = script.IsVisible(dialog, IDC_DECORATION_GROUP);
            seen.pathShown = script.IsVisible(dialog, IDC_PATH);
            const std::pair<int, RECT*> controls[] = {
                {IDC_DECORATE, &seen.decorate}, {IDOK, &seen.ok}, {IDCANCEL, &seen.cancel}};
            for (const auto& [id, rect] : controls) {
                GetWindowRect(GetDlgItem(dialog, id), rect);
                MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(rect), 2);
            }
            GetWindowRect(dialog, &seen.window);
            script.Click(dialog, IDCANCEL);
        });
        EXPECT_FALSE(seen.hintShown);
        EXPECT_FALSE(seen.decorateShown);
        EXPECT_FALSE(seen.groupShown);
        EXPECT_TRUE(seen.pathShown);
        EXPECT_EQ(seen.ok.top, seen.decorate.top);
        EXPECT_EQ(seen.cancel.top, seen.decorate.top);
        EXPECT_LT(seen.ok.right, seen.cancel.left) << "side by side as in the template";
        EXPECT_EQ(seen.window.bottom - seen.window.top, seen.cancel.bottom + 35);
        EXPECT_EQ(seen.window.top, anchor.bottom);
        const int width = seen.window.right - seen.window.left;
        EXPECT_EQ(seen.window.left, pulledIn ? screenWidth - width - 11 : anchor.left);
    }
}

}  // namespace
}  // namespace quorbel
