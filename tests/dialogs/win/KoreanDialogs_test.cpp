// The three dialogs as their users see them: Korean labels from the templates, Korean data
// in code page 949 from the INI files. Each is photographed once it has painted; the
// pictures go to the scenarios' screenshot folder. Run as dialogs_win_tests_cp949.
#include <gtest/gtest.h>

#include <functional>

#include "dialogs/win/BarButtonDialog.h"
#include "dialogs/win/FolderButtonDialog.h"
#include "dialogs/win/OrderDialog.h"
#include "resources/resource.h"
#include "tests/e2e/support/E2eArguments.h"
#include "tests/e2e/support/Screenshot.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/win/DialogScript.h"

namespace quorbel {
namespace {

using e2e::Screenshot;
using test::DialogScript;

// "문서", "사진", "음악", "보관함" in code page 949.
constexpr char kDocuments[] = "\xB9\xAE\xBC\xAD";
constexpr char kPictures[] = "\xBB\xE7\xC1\xF8";
constexpr char kMusic[] = "\xC0\xBD\xBE\xC7";
constexpr char kArchive[] = "\xBA\xB8\xB0\xFC\xC7\xD4";

class KoreanDialogs : public testing::Test {
protected:
    void SetUp() override
    {
        if (GetACP() != 949)
            GTEST_SKIP() << "needs the Korean code page: run as dialogs_win_tests_cp949";
    }

    // Photographs `dialog` once `painted` holds for the picture, and saves it.
    static Screenshot Photograph(DialogScript& script, HWND dialog, const std::string& name,
                                 const std::function<bool(const Screenshot&)>& painted)
    {
        Screenshot shot;
        script.WaitUntil([&] { return painted(shot = Screenshot::OfWindow(dialog)); },
                         name + " painted");
        if (!e2e::Arguments().screenshots.empty() &&
            shot.SaveUnder(e2e::CurrentTestFolderName(), name).empty())
            script.Fail("cannot save the picture of " + name);
        return shot;
    }

    test::ProgramFolder folder_;
};

// Pixels of the client area of `control` whose colour `match` accepts.
int Count(const Screenshot& shot, HWND control, const std::function<bool(COLORREF)>& match)
{
    RECT r{};
    GetClientRect(control, &r);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&r), 2);
    int n = 0;
    for (LONG y = r.top; y < r.bottom; ++y)
        for (LONG x = r.left; x < r.right; ++x) {
            const COLORREF c = shot.PixelAt(POINT{x, y});
            n += c != CLR_INVALID && match(c);
        }
    return n;
}

// Dark text on a light face: labels and buttons.
bool Ink(COLORREF c)
{
    return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 96;
}

// Anything on an edit's white: its text, or the highlight of its selected text.
bool Written(COLORREF c)
{
    return c != GetSysColor(COLOR_WINDOW);
}

TEST_F(KoreanDialogs, BarButtonDialog)
{
    test::WriteFileBytes(folder_.MainIni(), std::string("[main]\r\nsize=1\r\n[0]\r\nsButtonText=") +
                                                kDocuments + "\r\nsFolderPath=D:\\" + kDocuments +
                                                "\r\niCommand=0\r\n");
    int titleInk = 0, pathInk = 0;
    BarButtonDialog dialog(0, {40, 60, 90, 84});
    DialogScript script([&](DialogScript& s) {
        HWND d = s.WaitForDialog(L"폴더 버튼 설정");
        const Screenshot shot = Photograph(s, d, "BarButtonDialog", [&](const Screenshot& picture) {
            return Count(picture, GetDlgItem(d, IDC_TITLE), Written) > 20 &&
                   Count(picture, GetDlgItem(d, IDOK), Ink) > 20;
        });
        titleInk = Count(shot, GetDlgItem(d, IDC_TITLE), Written);
        pathInk = Count(shot, GetDlgItem(d, IDC_PATH), Written);
        s.SetText(d, IDC_TITLE, kArchive);
        s.Click(d, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(script.Finish(), "");
    EXPECT_GT(titleInk, 20);
    EXPECT_GT(pathInk, 20);
    EXPECT_EQ(test::ReadFileBytes(folder_.MainIni()),
              std::string("[main]\r\nsize=1\r\n[0]\r\nsButtonText=") + kArchive + "\r\nsFolderPath=D:\\" +
                  kDocuments + "\r\niCommand=0\r\n");
}

TEST_F(KoreanDialogs, FolderButtonDialogWithADecoration)
{
    // A light blue background (0x00FFC080 is RGB 128, 192, 255) and dark red text.
    test::WriteFileBytes(folder_.MainIni(), "[main]\r\n");
    test::WriteFileBytes(folder_.SubmenuIni(), std::string("[K]\r\n0=") + kPictures + "|D:\\" + kPictures +
                                                   "\r\n[KE]\r\n0=1|12|30|16760960|128\r\n");
    int background = 0, darkRed = 0, titleInk = 0, area = 0;
    FolderButtonDialog dialog({40, 60, 90, 84}, "0", "K", "", nullptr);
    DialogScript script([&](DialogScript& s) {
        HWND d = s.WaitForDialog(L"폴더 버튼 설정");
        HWND backSwatch = GetDlgItem(d, IDC_BACK_SWATCH);
        RECT r{};
        GetClientRect(backSwatch, &r);
        area = r.right * r.bottom;
        const auto lightBlue = [](COLORREF c) { return c == RGB(128, 192, 255); };
        const auto red = [](COLORREF c) { return c == RGB(128, 0, 0); };
        const Screenshot shot = Photograph(s, d, "FolderButtonDialog", [&](const Screenshot& picture) {
            return Count(picture, backSwatch, lightBlue) >= area &&
                   Count(picture, GetDlgItem(d, IDC_TEXT_SWATCH), red) >= area &&
                   Count(picture, GetDlgItem(d, IDC_TITLE), Written) > 20;
        });
        background = Count(shot, backSwatch, lightBlue);
        darkRed = Count(shot, GetDlgItem(d, IDC_TEXT_SWATCH), red);
        titleInk = Count(shot, GetDlgItem(d, IDC_TITLE), Written);
        s.SetText(d, IDC_TITLE, kArchive);
        s.Click(d, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(script.Finish(), "");
    EXPECT_GE(background, area) << "the swatches are filled";
    EXPECT_GE(darkRed, area);
    EXPECT_GT(titleInk, 20);
    EXPECT_EQ(dialog.Title(), kArchive);
    EXPECT_EQ(test::ReadFileBytes(folder_.SubmenuIni()),
              std::string("[K]\r\n0=") + kArchive + "|D:\\" + kPictures + "\r\n[KE]\r\n0=1|12|30|16760960|128\r\n");
}

TEST_F(KoreanDialogs, OrderDialogWithRows)
{
    const std::string before = std::string("[K]\r\n0=") + kDocuments + "|D:\\" + kDocuments + "\r\n1=" +
                               kPictures + "|D:\\" + kPictures + "\r\n2=" + kMusic + "|D:\\" + kMusic +
                               "\r\n";
    test::WriteFileBytes(folder_.SubmenuIni(), before);
    std::vector<std::string> titles;
    int listInk = 0;
    DialogScript script([&](DialogScript& s) {
        HWND d = s.WaitForDialog(L"순서 변경");
        HWND list = GetDlgItem(d, IDC_ENTRY_LIST);
        const Screenshot shot = Photograph(s, d, "OrderDialog", [&](const Screenshot& picture) {
            return Count(picture, list, Ink) > 100;
        });
        listInk = Count(shot, list, Ink);
        for (int row = 0; row < 3; ++row)
            titles.push_back(s.RowText(d, IDC_ENTRY_LIST, row, 0));
        s.Click(d, IDCANCEL);
    });
    const OrderOutcome outcome = RunOrderDialog("K");
    EXPECT_EQ(script.Finish(), "");
    EXPECT_FALSE(outcome.confirmed);
    EXPECT_GT(listInk, 100) << "header and rows are drawn";
    EXPECT_EQ(titles, (std::vector<std::string>{kDocuments, kPictures, kMusic}));
    EXPECT_EQ(test::ReadFileBytes(folder_.SubmenuIni()), before);
}

}  // namespace
}  // namespace quorbel
