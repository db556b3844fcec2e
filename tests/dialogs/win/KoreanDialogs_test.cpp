// The three dialogs as their users see them: Korean labels from the templates, Korean data
// in code page 949 from the INI files, stored back byte for byte. Each is photographed once
// it has painted, into the scenarios' screenshot folder. Run as dialogs_win_tests_cp949.
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
const std::string kDocuments = "\xB9\xAE\xBC\xAD";
const std::string kPictures = "\xBB\xE7\xC1\xF8";
const std::string kMusic = "\xC0\xBD\xBE\xC7";
const std::string kArchive = "\xBA\xB8\xB0\xFC\xC7\xD4";

// Pixels of the client area of control `id` whose colour `match` accepts.
int Count(const Screenshot& shot, HWND dialog, int id, const std::function<bool(COLORREF)>& match)
{
    HWND control = GetDlgItem(dialog, id);
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

// Dark text on a light face: labels, buttons, list rows.
bool Ink(COLORREF c)
{
    return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 96;
}

// Anything on an edit's white: its text, or the highlight of its selected text.
bool Written(COLORREF c)
{
    return c != GetSysColor(COLOR_WINDOW);
}

class KoreanDialogs : public testing::Test {
protected:
    void SetUp() override
    {
        if (GetACP() != 949)
            GTEST_SKIP() << "needs the Korean code page: run as dialogs_win_tests_cp949";
    }

    // Waits until the picture of the dialog shows what `painted` asks for, saves it,
    // then types the new title (when there is one) and presses OK, or Cancel without one.
    DialogScript::Steps Photograph(const wchar_t* caption, const std::string& name,
                                   std::function<bool(const Screenshot&, HWND)> painted,
                                   const std::string& newTitle = "")
    {
        return [=](DialogScript& s) {
            HWND d = s.WaitForDialog(caption);
            Screenshot shot;
            s.WaitUntil([&] { return painted(shot = Screenshot::OfWindow(d), d); }, name + " painted");
            if (!e2e::Arguments().screenshots.empty() && shot.SaveUnder(e2e::CurrentTestFolderName(), name).empty())
                s.Fail("cannot save the picture of " + name);
            if (!newTitle.empty())
                s.SetText(d, IDC_TITLE, newTitle);
            s.Click(d, newTitle.empty() ? IDCANCEL : IDOK);
        };
    }

    test::ProgramFolder folder_;
};

TEST_F(KoreanDialogs, BarButtonDialog)
{
    const auto main = [](const std::string& title) {
        return "[main]\r\nsize=1\r\n[0]\r\nsButtonText=" + title + "\r\nsFolderPath=D:\\" + kDocuments +
               "\r\niCommand=0\r\n";
    };
    test::WriteFileBytes(folder_.MainIni(), main(kDocuments));
    BarButtonDialog dialog(0, {40, 60, 90, 84});
    DialogScript script(Photograph(L"폴더 버튼 설정", "BarButtonDialog", [](const Screenshot& shot, HWND d) {
        return Count(shot, d, IDC_TITLE, Written) > 20 && Count(shot, d, IDC_PATH, Written) > 20 &&
               Count(shot, d, IDOK, Ink) > 20;
    }, kArchive));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(script.Finish(), "");
    EXPECT_EQ(test::ReadFileBytes(folder_.MainIni()), main(kArchive));
}

TEST_F(KoreanDialogs, FolderButtonDialogWithADecoration)
{
    // A light blue background (0x00FFC080 is RGB 128, 192, 255) and dark red text.
    const auto submenu = [](const std::string& title) {
        return "[K]\r\n0=" + title + "|D:\\" + kPictures + "\r\n[KE]\r\n0=1|12|30|16760960|128\r\n";
    };
    test::WriteFileBytes(folder_.MainIni(), "[main]\r\n");
    test::WriteFileBytes(folder_.SubmenuIni(), submenu(kPictures));
    FolderButtonDialog dialog({40, 60, 90, 84}, "0", "K", "", nullptr);
    DialogScript script(Photograph(L"폴더 버튼 설정", "FolderButtonDialog", [](const Screenshot& shot, HWND d) {
        // The swatches are filled, each with its colour.
        const auto filled = [&](int id, COLORREF colour) {
            RECT r{};
            GetClientRect(GetDlgItem(d, id), &r);
            return Count(shot, d, id, [&](COLORREF c) { return c == colour; }) >= r.right * r.bottom;
        };
        return filled(IDC_BACK_SWATCH, RGB(128, 192, 255)) && filled(IDC_TEXT_SWATCH, RGB(128, 0, 0)) &&
               Count(shot, d, IDC_TITLE, Written) > 20;
    }, kArchive));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(script.Finish(), "");
    EXPECT_EQ(dialog.Title(), kArchive);
    EXPECT_EQ(test::ReadFileBytes(folder_.SubmenuIni()), submenu(kArchive));
}

TEST_F(KoreanDialogs, OrderDialogWithRows)
{
    const std::string before = "[K]\r\n0=" + kDocuments + "|D:\\" + kDocuments + "\r\n1=" + kPictures + "|D:\\" +
                               kPictures + "\r\n2=" + kMusic + "|D:\\" + kMusic + "\r\n";
    test::WriteFileBytes(folder_.SubmenuIni(), before);
    std::vector<std::string> titles;
    DialogScript script([&](DialogScript& s) {
        HWND d = s.WaitForDialog(L"순서 변경");
        for (int row = 0; row < 3; ++row)
            titles.push_back(s.RowText(d, IDC_ENTRY_LIST, row, 0));
        Photograph(L"순서 변경", "OrderDialog", [](const Screenshot& shot, HWND dialog) {
            return Count(shot, dialog, IDC_ENTRY_LIST, Ink) > 100;  // header and rows
        })(s);
    });
    EXPECT_FALSE(RunOrderDialog("K").confirmed);
    EXPECT_EQ(script.Finish(), "");
    EXPECT_EQ(titles, (std::vector<std::string>{kDocuments, kPictures, kMusic}));
    EXPECT_EQ(test::ReadFileBytes(folder_.SubmenuIni()), before);
}

}  // namespace
}  // namespace quorbel
