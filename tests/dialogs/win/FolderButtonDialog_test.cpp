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
constexpr int kDecorationControls[] = {IDC_BOLD, IDC_FONT_SIZE, IDC_ITEM_HEIGHT,
                                       IDC_CHOOSE_BACK_COLOR, IDC_CHOOSE_TEXT_COLOR};
constexpr Rect kAnchor{100, 100, 180, 124};

// Both INI files as literal bytes, written before the dialog opens and compared after.
struct Files {
    std::string main;
    std::string submenu;
};

class FolderButtonDialogTest : public testing::Test {
protected:
    void Write(const Files& files)
    {
        test::WriteFileBytes(folder_.MainIni(), files.main);
        test::WriteFileBytes(folder_.SubmenuIni(), files.submenu);
    }
    Files Read() const
    {
        return {test::ReadFileBytes(folder_.MainIni()), test::ReadFileBytes(folder_.SubmenuIni())};
    }

    // Runs the dialog for entry `key` of menu "K" while `steps` play the user.
    INT_PTR Run(FolderButtonDialog& dialog, const DialogScript::Steps& steps)
    {
        DialogScript script(steps);
        const INT_PTR result = dialog.DoModal();
        EXPECT_EQ(script.Finish(), "");
        return result;
    }
    INT_PTR Run(const std::string& key, const std::string& newPath, const DialogScript::Steps& steps)
    {
        FolderButtonDialog dialog(kAnchor, key, "K", newPath, nullptr);
        return Run(dialog, steps);
    }

    test::ProgramFolder folder_;
};

// Opens the colour chooser with `button` and leaves it with OK (black: the chooser starts
// there) or Cancel.
void ChooseColour(DialogScript& script, HWND dialog, int button, bool ok)
{
    script.Press(dialog, button);
    HWND chooser = script.WaitForOwnedBy(dialog);
    PostMessageW(chooser, WM_COMMAND, ok ? IDOK : IDCANCEL, 0);
    script.WaitUntilGone(chooser);
}

// How many pixels of the swatch `id` show `colour`, read from the screen.
int PixelsOf(HWND dialog, int id, COLORREF colour)
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
    return count;
}

int SwatchArea(HWND dialog, int id)
{
    RECT client{};
    GetClientRect(GetDlgItem(dialog, id), &client);
    return client.right * client.bottom;
}

TEST_F(FolderButtonDialogTest, ShowsTheEntryOrNamesTheNewFolderAndCancelWritesNothing)
{
    struct {
        const char *entries, *newPath, *title, *path;
    } const cases[] = {
        {"[K]\r\n0=Docs|D:\\Docs\r\n", "E:\\dropped", "Docs", "D:\\Docs"},
        {"[K]\r\n0=D:\\plain\r\n", "", "", "D:\\plain"},  // no "|": all of it is the path
        {"[K]\r\n1=x|C:\\x\r\n", "C:\\Data\\Work", "Work", "C:\\Data\\Work"},
        {"[K]\r\n0=\r\n", "Work", "Work", "Work"},  // an empty value is a new entry too
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entries);
        const Files before{"[main]\r\ndefault=1|12|25|0|-1\r\n", c.entries};
        Write(before);
        std::string title, path;
        bool commandShown = true;
        const INT_PTR result = Run("0", c.newPath, [&](DialogScript& script) {
            HWND dialog = script.WaitForDialog(kCaption);
            title = script.Text(dialog, IDC_TITLE);
            path = script.Text(dialog, IDC_PATH);
            commandShown = script.IsVisible(dialog, IDC_COMMAND) || script.IsVisible(dialog, IDC_COMMAND_LABEL);
            script.Click(dialog, IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(title, c.title);
        EXPECT_EQ(path, c.path);
        EXPECT_FALSE(commandShown);
        const Files after = Read();
        EXPECT_EQ(after.main, before.main);
        EXPECT_EQ(after.submenu, before.submenu);
    }
}

// What the decoration part shows when the dialog opens, and what OK then stores unchanged.
TEST_F(FolderButtonDialogTest, OffersTheEntrysDecorationOrTheDefaultAndStoresItAsShown)
{
    struct {
        const char *decorations, *mainDefault;
        bool ticked, bold;
        int fontSize, itemHeight;
        bool background, textColour;
        const char* stored;
    } const cases[] = {
        // The key is absent: the default is offered and becomes the entry's own.
        {"", "1|12|25|0|-1", true, true, 3, 2, true, false, "1|12|25|0|-1"},
        // An empty value is "undecorated", default or not.
        {"0=\r\n", "1|12|25|0|-1", false, false, -1, -1, false, false, ""},
        // Sizes are found by prefix: 4 finds "40"; 11 finds nothing and is stored as -1.
        {"0=0|4|-1|-1|-1\r\n", "", true, false, 9, -1, false, false, "0|40|-1|-1|-1"},
        {"0=0|11|-1|-1|-1\r\n", "", true, false, -1, -1, false, false, "0|-1|-1|-1|-1"},
        {"0=0|-1|30|-1|255\r\n", "", true, false, -1, 3, false, true, "0|-1|30|-1|255"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.decorations);
        const std::string main = std::string("[main]\r\ndefault=") + c.mainDefault + "\r\n";
        Write({main, std::string("[K]\r\n0=a|C:\\a\r\n[KE]\r\n") + c.decorations});

        bool ticked = !c.ticked, bold = !c.bold;
        int fontSize = -2, itemHeight = -2, enabled = -1, background = -1, textColour = -1;
        const INT_PTR result = Run("0", "", [&](DialogScript& script) {
            HWND dialog = script.WaitForDialog(kCaption);
            ticked = script.IsChecked(dialog, IDC_DECORATE);
            bold = script.IsChecked(dialog, IDC_BOLD);
            fontSize = script.ComboSelection(dialog, IDC_FONT_SIZE);
            itemHeight = script.ComboSelection(dialog, IDC_ITEM_HEIGHT);
            enabled = 0;
            for (int id : kDecorationControls)
                enabled += script.IsEnabled(dialog, id);
            // Black fills the background swatch; 255 is red in the text swatch. Painting
            // comes a moment after the dialog shows.
            script.WaitUntil(
                [&] {
                    background = PixelsOf(dialog, IDC_BACK_SWATCH, RGB(0, 0, 0)) == SwatchArea(dialog, IDC_BACK_SWATCH);
                    textColour = PixelsOf(dialog, IDC_TEXT_SWATCH, RGB(255, 0, 0)) == SwatchArea(dialog, IDC_TEXT_SWATCH);
                    return background == c.background && textColour == c.textColour;
                },
                "the swatches painted as offered");
            script.Click(dialog, IDOK);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(ticked, c.ticked);
        EXPECT_EQ(enabled, c.ticked ? 5 : 0) << "the five controls follow the tick";
        EXPECT_EQ(bold, c.bold);
        EXPECT_EQ(fontSize, c.fontSize);
        EXPECT_EQ(itemHeight, c.itemHeight);
        EXPECT_EQ(background, c.background);
        EXPECT_EQ(textColour, c.textColour);
        EXPECT_EQ(Read().submenu, std::string("[K]\r\n0=a|C:\\a\r\n[KE]\r\n0=") + c.stored + "\r\n");
        EXPECT_EQ(Read().main, main) << "the default stays";
    }
}

TEST_F(FolderButtonDialogTest, StoresWhatIsChosen)
{
    struct Case {
        const char* what;
        Files before;
        std::function<void(DialogScript&, HWND)> choose;
        Files after;
    };
    const Case cases[] = {
        {"ticked, nothing chosen",
         {"[main]\r\n", "[K]\r\n0=a|C:\\a\r\n"},
         [](DialogScript& s, HWND d) { s.Click(d, IDC_DECORATE); },
         {"[main]\r\n", "[K]\r\n0=a|C:\\a\r\n[KE]\r\n0=0|-1|-1|-1|-1\r\n"}},
        {"bold, 12 points, height 25, black background, no text colour, as the default",
         {"[main]\r\n", "[K]\r\n0=a|C:\\a\r\n"},
         [](DialogScript& s, HWND d) {
             s.Click(d, IDC_DECORATE);
             s.Click(d, IDC_BOLD);
             s.Choose(d, IDC_FONT_SIZE, 3);
             s.Choose(d, IDC_ITEM_HEIGHT, 2);
             ChooseColour(s, d, IDC_CHOOSE_BACK_COLOR, true);
             s.Click(d, IDC_MAKE_DEFAULT);
         },
         {"[main]\r\ndefault=1|12|25|0|-1\r\n",
          "[K]\r\n0=a|C:\\a\r\n[KE]\r\n0=1|12|25|0|-1\r\n"}},
        {"\"적용안함\" chosen is not set",
         {"[main]\r\n", "[K]\r\n0=a|C:\\a\r\n[KE]\r\n0=0|9|20|-1|-1\r\n"},
         [](DialogScript& s, HWND d) {
             s.Choose(d, IDC_FONT_SIZE, 0);
             s.Choose(d, IDC_ITEM_HEIGHT, 9);
         },
         {"[main]\r\n", "[K]\r\n0=a|C:\\a\r\n[KE]\r\n0=0|-1|60|-1|-1\r\n"}},
        {"unticked with the default box ticked empties the default",
         {"[main]\r\ndefault=1|9|-1|-1|-1\r\n", "[K]\r\n0=a|C:\\a\r\n[KE]\r\n0=1|9|-1|-1|-1\r\n"},
         [](DialogScript& s, HWND d) {
             s.Click(d, IDC_DECORATE);
             s.Click(d, IDC_MAKE_DEFAULT);
         },
         {"[main]\r\ndefault=\r\n", "[K]\r\n0=a|C:\\a\r\n[KE]\r\n0=\r\n"}},
        {"an edited entry moves to the end of its section",
         {"[main]\r\n", "[K]\r\n0=a|C:\\a\r\n1=b|C:\\b\r\n[KE]\r\n0=\r\n1=\r\n"},
         [](DialogScript& s, HWND d) {
             s.SetText(d, IDC_TITLE, "first");
             s.SetText(d, IDC_PATH, "D:\\first");
         },
         {"[main]\r\n", "[K]\r\n1=b|C:\\b\r\n0=first|D:\\first\r\n[KE]\r\n0=\r\n1=\r\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Write(c.before);
        const INT_PTR result = Run("0", "", [&](DialogScript& script) {
            HWND dialog = script.WaitForDialog(kCaption);
            c.choose(script, dialog);
            script.Click(dialog, IDOK);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(Read().main, c.after.main);
        EXPECT_EQ(Read().submenu, c.after.submenu);
    }
}

// The swatch shows its colour, and after a cancelled chooser the text "색없음" instead.
TEST_F(FolderButtonDialogTest, CancellingTheColourChooserClearsTheColour)
{
    Write({"[main]\r\n", "[K]\r\n0=a|C:\\a\r\n[KE]\r\n0=0|-1|-1|255|65280\r\n"});
    int redBefore = 0, redAfter = -1, textAfter = 0, greenAfter = 0, area = 0;
    const INT_PTR result = Run("0", "", [&](DialogScript& script) {
        HWND dialog = script.WaitForDialog(kCaption);
        area = SwatchArea(dialog, IDC_BACK_SWATCH);
        script.WaitUntil([&] { return (redBefore = PixelsOf(dialog, IDC_BACK_SWATCH, RGB(255, 0, 0))) == area; },
                         "the red background swatch");
        ChooseColour(script, dialog, IDC_CHOOSE_BACK_COLOR, false);
        script.WaitUntil(
            [&] {
                redAfter = PixelsOf(dialog, IDC_BACK_SWATCH, RGB(255, 0, 0));
                textAfter = PixelsOf(dialog, IDC_BACK_SWATCH, GetSysColor(COLOR_BTNTEXT));
                return redAfter == 0 && textAfter > 10;
            },
            "the background swatch's text");
        // Where the chooser stood is painted again a moment after it went.
        script.WaitUntil([&] { return (greenAfter = PixelsOf(dialog, IDC_TEXT_SWATCH, RGB(0, 255, 0))) == area; },
                         "the green text swatch");
        script.Click(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(redBefore, area);
    EXPECT_EQ(redAfter, 0);
    EXPECT_LT(textAfter, area / 2) << "text, not a fill";
    EXPECT_EQ(greenAfter, area) << "the other swatch keeps its colour";
    EXPECT_EQ(Read().submenu, "[K]\r\n0=a|C:\\a\r\n[KE]\r\n0=0|-1|-1|-1|65280\r\n");
}

TEST_F(FolderButtonDialogTest, ATitleWithACommaIsRefusedAndTheDialogStaysOpen)
{
    const Files before{"[main]\r\n", "[K]\r\n0=a|C:\\a\r\n"};
    Write(before);
    std::wstring message;
    bool stillOpen = false;
    Files meanwhile;
    const INT_PTR result = Run("0", "", [&](DialogScript& script) {
        HWND dialog = script.WaitForDialog(kCaption);
        script.SetText(dialog, IDC_TITLE, "a,b");
        script.Press(dialog, IDOK);
        HWND box = script.WaitForMessageBox();
        message = script.MessageText(box);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        script.WaitUntilGone(box);
        stillOpen = IsWindowVisible(dialog) && script.Text(dialog, IDC_TITLE) == "a,b";
        meanwhile = Read();
        script.Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(message, L"제목으로 , 문자를 사용할 수 없습니다.");
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(meanwhile.submenu, before.submenu);
    EXPECT_EQ(Read().submenu, before.submenu);
    EXPECT_EQ(Read().main, before.main);
}

TEST_F(FolderButtonDialogTest, TheOpenerReadsWhatWasStored)
{
    Write({"[main]\r\n", ""});
    FolderButtonDialog dialog(kAnchor, "3", "K", "E:\\dropped", nullptr);
    EXPECT_EQ(dialog.Path(), "E:\\dropped");
    const INT_PTR result = Run(dialog, [](DialogScript& script) {
        HWND d = script.WaitForDialog(kCaption);
        script.SetText(d, IDC_TITLE, "Dropped | and more");
        script.Click(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.Title(), "Dropped | and more");
    EXPECT_EQ(dialog.Path(), "E:\\dropped");
    EXPECT_EQ(Read().submenu, "[K]\r\n3=Dropped | and more|E:\\dropped\r\n[KE]\r\n3=\r\n");
}

// A key made by hand is edited under its own name: never the entry whose key is the same
// number written plainly.
TEST_F(FolderButtonDialogTest, HandMadeKeysEditOnlyTheirOwnEntry)
{
    Write({"[main]\r\n", "[K]\r\n5=five|C:\\5\r\n05=oh-five|C:\\05\r\nx=ex|C:\\x\r\n0=zero|C:\\0\r\n"});
    for (const char* key : {"05", "x"}) {
        SCOPED_TRACE(key);
        std::string shown;
        Run(key, "", [&](DialogScript& script) {
            HWND dialog = script.WaitForDialog(kCaption);
            shown = script.Text(dialog, IDC_TITLE);
            script.SetText(dialog, IDC_TITLE, std::string("edited ") + key);
            script.Click(dialog, IDOK);
        });
        EXPECT_EQ(shown, key == std::string("05") ? "oh-five" : "ex");
    }
    EXPECT_EQ(Read().submenu,
              "[K]\r\n5=five|C:\\5\r\n0=zero|C:\\0\r\n05=edited 05|C:\\05\r\nx=edited x|C:\\x\r\n"
              "[KE]\r\n05=\r\nx=\r\n");
}

TEST_F(FolderButtonDialogTest, DecorateBoxSwitchesTheFiveControlsOnly)
{
    Write({"[main]\r\n", "[K]\r\n0=a|C:\\a\r\n"});
    std::vector<int> enabledAfterClicks;
    bool othersEnabled = true;
    Run("0", "", [&](DialogScript& script) {
        HWND dialog = script.WaitForDialog(kCaption);
        for (int click = 0; click < 3; ++click) {
            int enabled = 0;
            for (int id : kDecorationControls)
                enabled += script.IsEnabled(dialog, id);
            enabledAfterClicks.push_back(enabled);
            for (int id : {IDC_BACK_SWATCH, IDC_TEXT_SWATCH, IDC_MAKE_DEFAULT, IDC_DECORATE})
                othersEnabled = othersEnabled && script.IsEnabled(dialog, id);
            script.Click(dialog, IDC_DECORATE);
        }
        script.Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(enabledAfterClicks, (std::vector<int>{0, 5, 0}));
    EXPECT_TRUE(othersEnabled);
}

}  // namespace
}  // namespace quorbel
