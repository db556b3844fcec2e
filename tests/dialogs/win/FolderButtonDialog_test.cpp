#include "dialogs/win/FolderButtonDialog.h"

#include <gtest/gtest.h>

#include <functional>

#include "resources/resource.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/win/DialogScript.h"

namespace quorbel {
namespace {

using test::DialogScript;

constexpr wchar_t kCaption[] = L"폴더 버튼 설정";

// How many pixels of the swatch `id` show `colour` on the screen, and of how many.
std::pair<int, int> SwatchPixels(HWND dialog, int id, COLORREF colour)
{
    HWND swatch = GetDlgItem(dialog, id);
    RECT client{};
    GetClientRect(swatch, &client);
    HDC dc = GetDC(swatch);
    int count = 0;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            count += GetPixel(dc, x, y) == colour;
    ReleaseDC(swatch, dc);
    return {count, client.right * client.bottom};
}

bool SwatchFilled(HWND dialog, int id, COLORREF colour)
{
    const auto [count, area] = SwatchPixels(dialog, id, colour);
    return count == area;
}

// Opens the colour chooser with `button` and leaves it with OK (black: the chooser starts
// there) or Cancel.
void ChooseColour(DialogScript& script, HWND dialog, int button, bool ok)
{
    script.Press(dialog, button);
    HWND chooser = script.WaitForOwnedBy(dialog);
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
        DialogScript script([&](DialogScript& s) { steps(s, s.WaitForDialog(kCaption)); });
        const INT_PTR result = dialog.DoModal();
        EXPECT_EQ(script.Finish(), "");
        return result;
    }

    test::ProgramFolder folder_;
};

TEST_F(FolderButtonDialogTest, ANewFolderIsNamedAfterItsLastPartAndOkAddsIt)
{
    Write("[main]\r\n", "[K]\r\n1=x|C:\\x\r\n");
    std::string title, path;
    EXPECT_EQ(Run("C:\\Data\\Work",
                  [&](DialogScript& s, HWND d) {
                      title = s.Text(d, IDC_TITLE);
                      path = s.Text(d, IDC_PATH);
                      s.Click(d, IDOK);
                  }),
              IDOK);
    EXPECT_EQ(title, "Work");
    EXPECT_EQ(path, "C:\\Data\\Work");
    EXPECT_EQ(Submenu(), "[K]\r\n1=x|C:\\x\r\n0=Work|C:\\Data\\Work\r\n[KE]\r\n0=\r\n");
    EXPECT_EQ(Main(), "[main]\r\n");
}

// What the decoration part shows when the dialog opens, and what OK then stores unchanged.
TEST_F(FolderButtonDialogTest, OffersTheEntrysDecorationOrTheDefaultAndStoresItAsShown)
{
    const struct {
        const char *decorations, *mainDefault;
        bool ticked, bold;
        int fontSize, itemHeight;
        bool background, textColour;
        const char* stored;
    } cases[] = {
        // The key is absent: the default is offered and becomes the entry's own.
        {"", "1|12|25|0|-1", true, true, 3, 2, true, false, "1|12|25|0|-1"},
        // An empty value is "undecorated", default or not.
        {"0=\r\n", "1|12|25|0|-1", false, false, -1, -1, false, false, ""},
        // A size not offered (11) is stored as -1; finding by prefix is DecorationChoice's.
        {"0=0|11|30|-1|255\r\n", "", true, false, -1, 3, false, true, "0|-1|30|-1|255"},
    };
    const auto enabledControls = [](DialogScript& s, HWND d) {
        int enabled = 0;
        for (int id : {IDC_BOLD, IDC_FONT_SIZE, IDC_ITEM_HEIGHT, IDC_CHOOSE_BACK_COLOR, IDC_CHOOSE_TEXT_COLOR})
            enabled += s.IsEnabled(d, id);
        return enabled;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.decorations);
        const std::string main = std::string("[main]\r\ndefault=") + c.mainDefault + "\r\n";
        Write(main, std::string("[K]\r\n0=a|C:\\a\r\n[KE]\r\n") + c.decorations);
        bool ticked = !c.ticked, bold = !c.bold;
        int fontSize = -2, itemHeight = -2, enabled = -1, toggled = -1;
        EXPECT_EQ(Run("",
                      [&](DialogScript& s, HWND d) {
                          ticked = s.IsChecked(d, IDC_DECORATE);
                          bold = s.IsChecked(d, IDC_BOLD);
                          fontSize = s.ComboSelection(d, IDC_FONT_SIZE);
                          itemHeight = s.ComboSelection(d, IDC_ITEM_HEIGHT);
                          enabled = enabledControls(s, d);
                          s.Click(d, IDC_DECORATE);
                          toggled = enabledControls(s, d);
                          s.Click(d, IDC_DECORATE);
                          // Black fills the background swatch; 255 is red in the text
                          // swatch. Painting comes a moment after the dialog shows.
                          s.WaitUntil(
                              [&] {
                                  return SwatchFilled(d, IDC_BACK_SWATCH, RGB(0, 0, 0)) == c.background &&
                                         SwatchFilled(d, IDC_TEXT_SWATCH, RGB(255, 0, 0)) == c.textColour;
                              },
                              "the swatches painted as offered");
                          s.Click(d, IDOK);
                      }),
                  IDOK);
        EXPECT_EQ(ticked, c.ticked);
        EXPECT_EQ(enabled, c.ticked ? 5 : 0) << "the five controls follow the tick";
        EXPECT_EQ(toggled, c.ticked ? 0 : 5);
        EXPECT_EQ(bold, c.bold);
        EXPECT_EQ(fontSize, c.fontSize);
        EXPECT_EQ(itemHeight, c.itemHeight);
        EXPECT_EQ(Submenu(), std::string("[K]\r\n0=a|C:\\a\r\n[KE]\r\n0=") + c.stored + "\r\n");
        EXPECT_EQ(Main(), main) << "the default stays";
    }
}

TEST_F(FolderButtonDialogTest, StoresWhatIsChosen)
{
    const struct {
        const char* what;
        const char *mainBefore, *decorationBefore;
        std::function<void(DialogScript&, HWND)> choose;
        const char *mainAfter, *decorationAfter;
    } cases[] = {
        {"ticked, nothing chosen", "[main]\r\n", "", [](DialogScript& s, HWND d) { s.Click(d, IDC_DECORATE); },
         "[main]\r\n", "0|-1|-1|-1|-1"},
        {"bold, 12 points, height 25, black background, no text colour, as the default", "[main]\r\n", "",
         [](DialogScript& s, HWND d) {
             s.Click(d, IDC_DECORATE);
             s.Click(d, IDC_BOLD);
             s.Choose(d, IDC_FONT_SIZE, 3);
             s.Choose(d, IDC_ITEM_HEIGHT, 2);
             ChooseColour(s, d, IDC_CHOOSE_BACK_COLOR, true);
             s.Click(d, IDC_MAKE_DEFAULT);
         },
         "[main]\r\ndefault=1|12|25|0|-1\r\n", "1|12|25|0|-1"},
        {"unticked with the default box ticked empties the default", "[main]\r\ndefault=1|9|-1|-1|-1\r\n",
         "1|9|-1|-1|-1",
         [](DialogScript& s, HWND d) {
             s.Click(d, IDC_DECORATE);
             s.Click(d, IDC_MAKE_DEFAULT);
         },
         "[main]\r\ndefault=\r\n", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string decorations = *c.decorationBefore ? std::string("[KE]\r\n0=") + c.decorationBefore + "\r\n" : "";
        Write(c.mainBefore, "[K]\r\n0=a|C:\\a\r\n" + decorations);
        EXPECT_EQ(Run("",
                      [&](DialogScript& s, HWND d) {
                          c.choose(s, d);
                          s.Click(d, IDOK);
                      }),
                  IDOK);
        EXPECT_EQ(Main(), c.mainAfter);
        EXPECT_EQ(Submenu(), std::string("[K]\r\n0=a|C:\\a\r\n[KE]\r\n0=") + c.decorationAfter + "\r\n");
    }
}

// The swatch shows its colour, and after a cancelled chooser the text "색없음" instead.
TEST_F(FolderButtonDialogTest, CancellingTheColourChooserClearsTheColour)
{
    Write("[main]\r\n", "[K]\r\n0=a|C:\\a\r\n[KE]\r\n0=0|-1|-1|255|65280\r\n");
    std::pair<int, int> text{};
    EXPECT_EQ(Run("",
                  [&](DialogScript& s, HWND d) {
                      s.WaitUntil([&] { return SwatchFilled(d, IDC_BACK_SWATCH, RGB(255, 0, 0)); },
                                  "the red background swatch");
                      ChooseColour(s, d, IDC_CHOOSE_BACK_COLOR, false);
                      s.WaitUntil(
                          [&] {
                              text = SwatchPixels(d, IDC_BACK_SWATCH, GetSysColor(COLOR_BTNTEXT));
                              return SwatchPixels(d, IDC_BACK_SWATCH, RGB(255, 0, 0)).first == 0 && text.first > 10;
                          },
                          "the background swatch's text");
                      // Where the chooser stood is painted again a moment after it went.
                      s.WaitUntil([&] { return SwatchFilled(d, IDC_TEXT_SWATCH, RGB(0, 255, 0)); },
                                  "the other swatch keeps its colour");
                      s.Click(d, IDOK);
                  }),
              IDOK);
    EXPECT_LT(text.first, text.second / 2) << "text, not a fill";
    EXPECT_EQ(Submenu(), "[K]\r\n0=a|C:\\a\r\n[KE]\r\n0=0|-1|-1|-1|65280\r\n");
}

// The entry's fields are shown; a comma in the title is refused, and Cancel writes nothing.
TEST_F(FolderButtonDialogTest, ATitleWithACommaIsRefusedAndTheDialogStaysOpen)
{
    Write("[main]\r\n", "[K]\r\n0=a|C:\\a\r\n");
    std::wstring message;
    std::string shown, meanwhile;
    bool commandShown = true, stillOpen = false;
    EXPECT_EQ(Run("",
                  [&](DialogScript& s, HWND d) {
                      shown = s.Text(d, IDC_TITLE) + "/" + s.Text(d, IDC_PATH);
                      commandShown = s.IsVisible(d, IDC_COMMAND) || s.IsVisible(d, IDC_COMMAND_LABEL);
                      s.SetText(d, IDC_TITLE, "a,b");
                      s.Press(d, IDOK);
                      message = s.AnswerMessageBox();
                      stillOpen = IsWindowVisible(d) && s.Text(d, IDC_TITLE) == "a,b";
                      meanwhile = Submenu();
                      s.Click(d, IDCANCEL);
                  }),
              IDCANCEL);
    EXPECT_EQ(shown, "a/C:\\a");
    EXPECT_FALSE(commandShown);
    EXPECT_EQ(message, L"제목으로 , 문자를 사용할 수 없습니다.");
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(meanwhile, "[K]\r\n0=a|C:\\a\r\n");
    EXPECT_EQ(Submenu(), "[K]\r\n0=a|C:\\a\r\n");
    EXPECT_EQ(Main(), "[main]\r\n");
}

}  // namespace
}  // namespace quorbel
