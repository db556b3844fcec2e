#include "dialogs/win/BarButtonDialog.h"

#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/win/DialogScript.h"

namespace quorbel {
namespace {

using test::DialogScript;

RECT InDialog(HWND dialog, int id)
{
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The command number has no control of its own: OK writes it back as the text it was
// read as, or as empty text when it was absent. The menu part of the template is hidden
// and cut off below OK and Cancel, which move up to where "메뉴 꾸미기" was; the window
// opens below its anchor.
TEST(BarButtonDialog, OkWritesTheKeysBackCancelWritesNothingAndTheMenuPartIsCutOff)
{
    test::ProgramFolder folder;
    const std::string head = "[main]\r\nsize=2\r\n[0]\r\nsButtonText=Docs\r\nsFolderPath=D:\\Docs\r\n[1]\r\n";
    const struct {
        bool ok;
        const char *before, *after, *shownCommand;
    } cases[] = {
        {true, "sButtonText=Sync\r\nsFolderPath=E:\\Sync\r\niCommand=-0042x\r\nsubkey=k1\r\n",
         "sButtonText=typed\r\nsFolderPath=F:\\typed\r\niCommand=-0042x\r\nsubkey=k1\r\n", "-0042x"},
        {true, "sButtonText=Sync\r\nsFolderPath=E:\\Sync\r\n", "sButtonText=typed\r\nsFolderPath=F:\\typed\r\niCommand=\r\n",
         ""},
        {false, "sButtonText=Sync\r\niCommand=7\r\n", "sButtonText=Sync\r\niCommand=7\r\n", "7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        test::WriteFileBytes(folder.MainIni(), head + c.before);
        std::string shownTitle, shownCommand;
        bool partShown = false;
        RECT decorate{}, ok{}, cancel{}, window{};
        BarButtonDialog dialog(1, Rect{10, 10, 40, 34});
        DialogScript script([&](DialogScript& s) {
            HWND d = s.WaitForDialog(L"폴더 버튼 설정");
            shownTitle = s.Text(d, IDC_TITLE);
            shownCommand = s.Text(d, IDC_COMMAND);
            for (int id : {IDC_SEPARATOR_HINT, IDC_DECORATE, IDC_DECORATION_GROUP})
                partShown = partShown || IsWindowVisible(GetDlgItem(d, id));
            decorate = InDialog(d, IDC_DECORATE);
            ok = InDialog(d, IDOK);
            cancel = InDialog(d, IDCANCEL);
            GetWindowRect(d, &window);
            s.SetText(d, IDC_TITLE, "typed");
            s.SetText(d, IDC_PATH, "F:\\typed");
            s.Click(d, c.ok ? IDOK : IDCANCEL);
        });
        EXPECT_EQ(dialog.DoModal(), c.ok ? IDOK : IDCANCEL);
        EXPECT_EQ(script.Finish(), "");
        EXPECT_EQ(test::ReadFileBytes(folder.MainIni()), head + c.after);
        EXPECT_EQ(shownTitle, "Sync");
        EXPECT_EQ(shownCommand, c.shownCommand);
        EXPECT_FALSE(partShown);
        EXPECT_EQ(ok.top, decorate.top);
        EXPECT_EQ(cancel.top, decorate.top);
        EXPECT_LT(ok.right, cancel.left) << "side by side as in the template";
        EXPECT_EQ(window.bottom - window.top, cancel.bottom + 35);
        EXPECT_EQ(window.top, 34) << "below the anchor";
    }
}

}  // namespace
}  // namespace quorbel
