// A button's folder menu in the running program: a right click opens it at the pointer
// with one row per entry and the management row, painted with each row's decoration; a
// choice sends the stand-in host to the folder; Ctrl held while clicking a row removes
// the entry from the file, and the button's image shows when none is left.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/support/E2eTest.h"
#include "tests/e2e/support/IniFiles.h"
#include "tests/e2e/support/Input.h"
#include "tests/e2e/support/RemoteToolbar.h"
#include "tests/e2e/support/Screenshot.h"
#include "tests/e2e/support/WindowQueries.h"
#include "tests/e2e/support/XKeyboard.h"
#include "tests/support/TestFiles.h"

namespace quorbel::e2e {
namespace {

constexpr UINT kButtonContext = WM_USER + 100;
constexpr int kFirstButtonCommand = 100;

constexpr COLORREF kGutter = 0xDEEDEF;
constexpr COLORREF kSeparator = 0xA8A8A8;
constexpr COLORREF kSelectedFill = 0xE3D4CA;
constexpr COLORREF kSelectedFrame = 0xCD9873;
constexpr COLORREF kDefaultBackground = 0xFCFCFC;

const char kOneButton[] =
    "[main]\nsize=1\nbTray=0\n"
    "[0]\nsButtonText=Work\nsFolderPath=C:\\work\nsubkey=k\n";

int Height(const RECT& r)
{
    return r.bottom - r.top;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

// The selected row as the screen shows it: the box of the highlight's frame colour.
std::optional<RECT> SelectedRow(const Screenshot& shot)
{
    const RECT& area = shot.Area();
    RECT box{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x) {
            if (shot.PixelAt(POINT{x, y}) != kSelectedFrame)
                continue;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x + 1);
            box.bottom = std::max(box.bottom, y + 1);
        }
    }
    if (box.left > box.right)
        return std::nullopt;
    return box;
}

// Pixels of exactly `colour` inside `r`.
int CountColour(const Screenshot& shot, const RECT& r, COLORREF colour)
{
    int count = 0;
    for (LONG y = r.top; y < r.bottom; ++y)
        for (LONG x = r.left; x < r.right; ++x)
            if (shot.PixelAt(POINT{x, y}) == colour)
                ++count;
    return count;
}

POINT CentreOf(const RECT& r)
{
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class FolderMenuTest : public E2eTest {
protected:
    void Start(const std::string& submenu)
    {
        HostOptions options;
        options.rect = RECT{60, 40, 700, 460};
        host_ = &session.StartHost(options);
        session.WriteQuorbelIni(test::Crlf(kOneButton));
        session.WriteSubFolderIni(test::Crlf(submenu));
        session.StartQuorbel();
        bar_ = session.WaitForBar();
        ASSERT_TRUE(BringToForeground(host_->Window()));
        // Glued: 100 pixels right of and below the host's corner (no stored offset).
        const RECT hostRect = WindowRectOf(host_->Window());
        ASSERT_TRUE(WaitUntil([&] {
            const RECT r = WindowRectOf(bar_);
            return IsWindowVisible(bar_) && r.left == hostRect.left + 100 && r.top == hostRect.top + 100;
        }, kDefaultTimeout, Phase::Random));
        ASSERT_NE(Toolbar(), nullptr);
    }

    // Looked up afresh each time: a reload of the buttons makes a new toolbar control.
    HWND Toolbar() const { return FindToolbar(bar_); }

    // A real right click on the button, which also makes the bar the window that gets
    // the keyboard, as it does for a user.
    HWND OpenByRightClick()
    {
        const std::optional<RECT> button = ToolbarButtonRect(Toolbar(), 0);
        EXPECT_TRUE(button.has_value());
        if (!button)
            return nullptr;
        pointer_ = CentreOf(*button);
        Click(pointer_, MouseButton::Right);
        return WaitForMenu();
    }

    // The right click as the toolbar reports it, without Ctrl.
    HWND OpenByMessage()
    {
        PostMessageW(bar_, kButtonContext, 0, 0);
        return WaitForMenu();
    }

    HWND WaitForMenu()
    {
        HWND menu = nullptr;
        EXPECT_TRUE(WaitUntil([&] { return (menu = FindOpenMenu()) != nullptr; }));
        if (menu) {
            EXPECT_EQ(ProcessIdOf(menu), session.Quorbel().Id());
        }
        return menu;
    }

    // Moves the pointer to `at` and waits until the menu shows the row under it
    // selected; nothing when no row is there (a separator or the border).
    static std::optional<RECT> HoverRow(HWND menu, POINT at, std::chrono::milliseconds timeout)
    {
        MoveMouse(at);
        std::optional<RECT> row;
        const bool found = WaitUntil([&] {
            row = SelectedRow(Screenshot::OfWindow(menu));
            return row && PtInRect(&*row, at);
        }, timeout);
        return found ? row : std::nullopt;
    }

    // Every row that can be chosen, top to bottom, found by moving the pointer down the
    // menu: the selection follows the pointer, so each row shows its own rectangle in
    // the highlight. A separator is the gap between two rows. The pointer stays on the
    // last row. The keyboard would do too, but a pointer resting over the menu's border
    // makes the menu drop a keyboard selection whenever the window system reports it
    // again; over a row it only selects that row once more.
    static std::vector<RECT> ChoosableRows(HWND menu)
    {
        const RECT frame = WindowRectOf(menu);
        const LONG x = (frame.left + frame.right) / 2;
        std::vector<RECT> rows;
        // Rows are at least 20 pixels high, so 3-pixel steps over the gaps miss none.
        for (LONG y = frame.top + 1; y < frame.bottom;) {
            const std::optional<RECT> row = HoverRow(menu, POINT{x, y}, 300ms);
            if (!row) {
                y += 3;
                continue;
            }
            rows.push_back(*row);
            y = row->bottom;
        }
        return rows;
    }

    // Ctrl held down on the keyboard while the row is clicked, until `done` shows the
    // program has acted: it reads Ctrl after the menu has closed. Held in X, not only in
    // Wine: the click's focus change makes Wine read the keyboard back from X.
    void CtrlClick(const RECT& row, const std::function<bool()>& done)
    {
        const XHeldKey ctrl(VK_CONTROL);
        Click(CentreOf(row));
        EXPECT_TRUE(WaitUntil(done));
    }

    std::string Entry(const char* key) const { return ReadIniString(session.SubFolderIniPath(), "k", key, "absent"); }

    POINT pointer_{};  // where the last right click was
    StandInHost* host_ = nullptr;
    HWND bar_ = nullptr;
};

TEST_F(FolderMenuTest, RightClickOpensAtThePointerAndAChoiceSendsTheHostThere)
{
    Start("[k]\n0=src|C:\\src\n3=-|x\n1=docs|D:\\a|C:\\docs\n[kE]\n0=1|-1|-1|-1|-1\n");
    const HWND menu = OpenByRightClick();
    ASSERT_NE(menu, nullptr);
    const RECT frame = WindowRectOf(menu);
    EXPECT_EQ(frame.left, pointer_.x);
    EXPECT_EQ(frame.top, pointer_.y);

    // src, the separator, docs, and the management row.
    const std::vector<RECT> rows = ChoosableRows(menu);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].top - rows[0].bottom, 9) << "the separator between src and docs";
    EXPECT_EQ(rows[2].top, rows[1].bottom) << "the management row follows directly";
    for (const RECT& row : rows)
        EXPECT_EQ(Height(row), 20);

    // Return on docs; its path is the text after the last bar.
    ASSERT_TRUE(HoverRow(menu, CentreOf(rows[1]), kDefaultTimeout).has_value());
    PostKey(bar_, VK_RETURN);
    EXPECT_TRUE(host_->Log().WaitForLine("return cd C:\\docs"));
    EXPECT_TRUE(WaitUntil([] { return FindOpenMenu() == nullptr; }));
    EXPECT_EQ(Entry("1"), "docs|D:\\a|C:\\docs");
}

TEST_F(FolderMenuTest, CtrlClickRemovesEntriesAndTheLastRemovalChangesTheButtonImage)
{
    Start("[k]\n0=a|C:\\a\n1=b|C:\\b\n[kE]\n1=0|-1|40|-1|-1\n");
    const int command = kFirstButtonCommand;
    EXPECT_EQ(ToolbarButtonImage(Toolbar(), command), 1);

    HWND menu = OpenByRightClick();
    ASSERT_NE(menu, nullptr);
    std::vector<RECT> rows = ChoosableRows(menu);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(Height(rows[1]), 40) << "b's decoration asks for 40 pixels";
    CtrlClick(rows[1], [&] { return Entry("1").empty(); });
    EXPECT_EQ(Entry("0"), "a|C:\\a");
    EXPECT_EQ(ReadIniString(session.SubFolderIniPath(), "kE", "1"), "0|-1|40|-1|-1") << "decoration kept";
    EXPECT_TRUE(host_->Log().LinesStartingWith("return ").empty()) << "a removal goes nowhere";
    EXPECT_EQ(ToolbarButtonImage(Toolbar(), command), 1) << "a is left";

    // The next menu no longer lists b.
    menu = OpenByRightClick();
    ASSERT_NE(menu, nullptr);
    rows = ChoosableRows(menu);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(Height(rows[1]), 20) << "the management row, not b";
    CtrlClick(rows[0], [&] { return Entry("0").empty(); });
    EXPECT_TRUE(IniHasKey(session.SubFolderIniPath(), "k", "0")) << "emptied, not deleted";

    EXPECT_TRUE(WaitUntil([&] { return ToolbarButtonImage(Toolbar(), command) == 0; }));
    EXPECT_TRUE(host_->Log().LinesStartingWith("return ").empty());
}

TEST_F(FolderMenuTest, DecoratedMenuOnScreen)
{
    // Background RGB(255, 230, 160) and text RGB(0, 0, 200), stored as COLORREF decimals.
    const COLORREF background = RGB(255, 230, 160);
    const COLORREF text = RGB(0, 0, 200);
    Start("[k]\n0=Bold folder|C:\\b\n1=Large folder|C:\\l\n2=Coloured folder|C:\\c\n3=-|\n4=Plain folder|C:\\p\n"
          "[kE]\n0=1|-1|-1|-1|-1\n1=0|20|-1|-1|-1\n2=0|-1|-1|" +
          std::to_string(background) + "|" + std::to_string(text) + "\n");
    const HWND menu = OpenByMessage();
    ASSERT_NE(menu, nullptr);
    const std::vector<RECT> rows = ChoosableRows(menu);
    ASSERT_EQ(rows.size(), 5u);
    const RECT& bold = rows[0];
    const RECT& large = rows[1];
    const RECT& coloured = rows[2];
    const RECT& plain = rows[3];
    const RECT separator{coloured.left, coloured.bottom, coloured.right, plain.top};
    EXPECT_EQ(Height(bold), 20);
    EXPECT_GT(Height(large), 20) << "20 pt text";
    EXPECT_EQ(Height(separator), 9);

    ASSERT_TRUE(HoverRow(menu, CentreOf(bold), kDefaultTimeout).has_value());
    const Screenshot shot = Screenshot::OfWindow(menu);
    SaveScreenshot("decorated-menu");
    ASSERT_EQ(SelectedRow(shot).has_value() && SameRect(*SelectedRow(shot), bold), true);

    const auto at = [&](const RECT& row, int dx, int dy) {
        return shot.PixelAt(POINT{dx >= 0 ? row.left + dx : row.right + dx, dy >= 0 ? row.top + dy : row.bottom + dy});
    };
    EXPECT_EQ(at(bold, 0, 5), kSelectedFrame);
    EXPECT_EQ(at(bold, 10, 5), kSelectedFill) << "no gutter on the highlight";
    EXPECT_EQ(at(large, 10, 5), kGutter);
    EXPECT_EQ(at(large, -3, 2), kDefaultBackground);
    EXPECT_EQ(at(coloured, 10, 5), kGutter);
    EXPECT_EQ(at(coloured, -3, 2), background);
    EXPECT_GT(CountColour(shot, coloured, text), 20);
    EXPECT_EQ(at(separator, 10, 4), kGutter);
    EXPECT_EQ(at(separator, 23, 3), kSeparator);
    EXPECT_EQ(at(separator, -1, 3), kSeparator);
    EXPECT_NE(at(separator, 22, 3), kSeparator) << "the line starts 23 pixels in";
    EXPECT_NE(at(separator, 30, 2), kSeparator);
    EXPECT_NE(at(separator, 30, 4), kSeparator);
    // Bold strokes are heavier than the plain row's, on the highlight too.
    EXPECT_GT(CountColour(shot, bold, RGB(0, 0, 0)), CountColour(shot, plain, RGB(0, 0, 0)));

    PostKey(bar_, VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([] { return FindOpenMenu() == nullptr; }));
    EXPECT_TRUE(host_->Log().LinesStartingWith("return ").empty());
}

}  // namespace
}  // namespace quorbel::e2e
