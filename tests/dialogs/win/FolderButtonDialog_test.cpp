#include "dialogs/win/FolderButtonDialog.h"

#include <gtest/gtest.h>

#include <functional>

#include "resources/resource.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/win/DialogScript.h"

namespace quorbel {
namespace {

using test::DialogScript;

// Whether every pixel of the swatch `id` shows `colour` on the screen.
bool SwatchFilled(HWND dialog, int id, COLORREF colour)
{
    HWND swatch = GetDlgItem(dialog, id);
    RECT client{};
    GetClientRect(swatch, &client);
    HDC dc = GetDC(swatch);
    bool filled = true;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            filled = filled && GetPixel(dc, x, y) == colour;
    ReleaseDC(swatch, dc);
    return filled;
}

// Opens the colour chooser with `button` and leaves it with OK (black: the chooser starts
// there) or Cancel.
void ChooseColour(DialogScript& script, HWND dialog, int button, bool ok)
{
    script.Press(dialog, button);
    HWND chooser = script.WaitForDialog(L"", dialog);
    PostMessageW(chooser, WM_COMMAND, ok ? IDOK : IDCANCEL, 0);
    script.WaitUntilGone(chooser);
}

// Entry "0" of menu "K", with both INI files as literal bytes before and after.
class FolderButtonDialogTest : public testing::Test {
protected:
    void Write(const std::string& main, const std::string& submenu)
    {
        test::WriteFileBytes(folder_.MainIni(), main);
        test::WriteFileBytes(folder_.SubmenuIni(), submenu);
    }
    std::string Main() const { return test::ReadFileBytes(folder_.MainIni()); }
    std::string Submenu() const { return test::ReadFileBytes(folder_.SubmenuIni()); }

    INT_PTR Run(const std::string& newPath, const std::function<void(DialogScript&, HWND)>& steps)
    {
        FolderButtonDialog dialog(Rect{100, 100, 180, 124}, "0", "K", newPath, nullptr);
        DialogScript script([&](DialogScript& s) { steps(s, s.WaitForDialog(L"폴더 버튼 설정")); });
        const INT_PTR result = dialog.DoModal();
        EXPECT_EQ(script.Finish(), "");
        return result;
    }

    test::ProgramFolder folder_;
};

// An entry without a decoration is offered the default (bold, 25 and the red swatch come
// back from the controls below); what the user then changes is stored, a cancelled chooser
// clearing its colour, and with the default box ticked becomes the default too.
TEST_F(FolderButtonDialogTest, OffersTheDefaultAndStoresWhatIsChosen)
{
    Write("[main]\r\ndefault=1|12|25|255|-1\r\n", "[K]\r\n0=a|C:\\a\r\n");
    EXPECT_EQ(Run("",
                  [&](DialogScript& s, HWND d) {
                      s.WaitUntil([&] { return SwatchFilled(d, IDC_BACK_SWATCH, RGB(255, 0, 0)); },
                                  "the red background swatch");
                      s.Click(d, IDC_BOLD);
                      s.SendItem(d, IDC_FONT_SIZE, CB_SETCURSEL, 5);
                      ChooseColour(s, d, IDC_CHOOSE_BACK_COLOR, false);
                      ChooseColour(s, d, IDC_CHOOSE_TEXT_COLOR, true);
                      s.Click(d, IDC_MAKE_DEFAULT);
                      s.Click(d, IDOK);
                  }),
              IDOK);
    EXPECT_EQ(Submenu(), "[K]\r\n0=a|C:\\a\r\n[KE]\r\n0=0|20|25|-1|0\r\n");
    EXPECT_EQ(Main(), "[main]\r\ndefault=0|20|25|-1|0\r\n");
}

// A comma in the title is refused with the dialog left open, and once mended the dropped
// folder is added as the section's last line.
TEST_F(FolderButtonDialogTest, ATitleWithACommaIsRefusedAndTheDialogStaysOpen)
{
    Write("[main]\r\n", "[K]\r\n1=x|C:\\x\r\n");
    std::wstring message;
    EXPECT_EQ(Run("C:\\Data\\Work",
                  [&](DialogScript& s, HWND d) {
                      s.SetText(d, IDC_TITLE, "a,b");
                      s.Press(d, IDOK);
                      message = s.AnswerMessageBox();
                      s.SetText(d, IDC_TITLE, "ab");
                      s.Click(d, IDOK);
                  }),
              IDOK);
    EXPECT_EQ(message, L"제목으로 , 문자를 사용할 수 없습니다.");
    EXPECT_EQ(Submenu(), "[K]\r\n1=x|C:\\x\r\n0=ab|C:\\Data\\Work\r\n[KE]\r\n0=\r\n");
}

// Run as dialogs_win_tests_cp949: "사진" shows as Hangul, and "보관함" typed goes to the
// file as the same CP949 bytes.
TEST_F(FolderButtonDialogTest, KoreanTextGoesThroughTheCodePageBothWays)
{
    if (GetACP() != 949)
        GTEST_SKIP() << "needs the Korean code page";
    Write("[main]\r\n", "[K]\r\n0=\xBB\xE7\xC1\xF8|D:\\\xBB\xE7\xC1\xF8\r\n");
    wchar_t shown[16] = {};
    EXPECT_EQ(Run("",
                  [&](DialogScript& s, HWND d) {
                      GetWindowTextW(GetDlgItem(d, IDC_TITLE), shown, 16);
                      s.SetText(d, IDC_TITLE, "\xBA\xB8\xB0\xFC\xC7\xD4");
                      s.Click(d, IDOK);
                  }),
              IDOK);
    EXPECT_STREQ(shown, L"사진");
    EXPECT_EQ(Submenu(), "[K]\r\n0=\xBA\xB8\xB0\xFC\xC7\xD4|D:\\\xBB\xE7\xC1\xF8\r\n[KE]\r\n0=\r\n");
}

}  // namespace
}  // namespace quorbel
