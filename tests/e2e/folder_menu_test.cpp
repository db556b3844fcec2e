// A button's folder menu in the running program: opened by a right click at the pointer,
// a choice drives the host, a Ctrl-click removes an entry, the rows are painted with their
// decorations, and the last row opens the order dialog, whose changes the next menu shows.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <optional>

#include "tests/e2e/support/E2eTest.h"

namespace quorbel::e2e {
namespace {

constexpr int kFirstButtonCommand = 100;
constexpr int kEntryList = 1013;
constexpr int kMoveUp = 1014;
constexpr int kDeleteEntry = 1016;
constexpr COLORREF kGutter = 0xDEEDEF;
constexpr COLORREF kSeparator = 0xA8A8A8;
constexpr COLORREF kSelectedFill = 0xE3D4CA;
constexpr COLORREF kSelectedFrame = 0xCD9873;
constexpr COLORREF kDefaultBackground = 0xFCFCFC;

int Height(const RECT& r) { return r.bottom - r.top; }

POINT CentreOf(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The selected row as the screen shows it: the box of the highlight's frame colour.
std::optional<RECT> SelectedRow(const Screenshot& shot)
{
    const RECT& area = shot.Area();
    RECT box{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    for (LONG y = area.top; y < area.bottom; ++y)
        for (LONG x = area.left; x < area.right; ++x)
            if (shot.PixelAt(POINT{x, y}) == kSelectedFrame)
                box = RECT{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                           std::max(box.bottom, y + 1)};
    return box.left < box.right ? std::optional<RECT>(box) : std::nullopt;
}

// Moves the pointer to `at` and waits until the row under it shows selected; nothing over
// a separator or the border.
std::optional<RECT> HoverRow(HWND menu, POINT at, std::chrono::milliseconds timeout = kDefaultTimeout)
{
    MoveMouse(at);
    std::optional<RECT> row;
    const bool found = WaitUntil([&] { return (row = SelectedRow(Screenshot::OfWindow(menu))) && PtInRect(&*row, at); },
                                 timeout);
    return found ? row : std::nullopt;
}

// Every row that can be chosen, top to bottom, found by moving the pointer down the menu
// so that each row shows its rectangle in the highlight; a separator is the gap between
// two. (Keys would not do: a pointer resting on the border drops a keyboard selection.)
std::vector<RECT> ChoosableRows(HWND menu)
{
    const RECT frame = WindowRectOf(menu);
    std::vector<RECT> rows;
    // Rows are at least 20 pixels high, so 3-pixel steps over the gaps miss none.
    for (LONG y = frame.top + 1; y < frame.bottom;) {
        const std::optional<RECT> row = HoverRow(menu, POINT{(frame.left + frame.right) / 2, y}, 300ms);
        if (row)
            rows.push_back(*row);
        y = row ? row->bottom : y + 3;
    }
    return rows;
}

class FolderMenuTest : public E2eTest {
protected:
    void Start(const std::string& submenu)
    {
        StartBar("[main]\nsize=1\nbTray=0\n[0]\nsButtonText=Work\nsFolderPath=C:\\work\nsubkey=k\n", submenu,
                 RECT{60, 40, 700, 460});
        // Glued: 100 pixels right of and below the host's corner (no stored offset).
        const RECT host = WindowRectOf(host_->Window());
        ASSERT_TRUE(WaitUntil([&] {
            const RECT r = WindowRectOf(bar_);
            return IsWindowVisible(bar_) && r.left == host.left + 100 && r.top == host.top + 100 && Toolbar();
        }));
    }

    // A reload of the buttons makes a new toolbar control.
    HWND Toolbar() const { return FindToolbar(bar_); }

    // A real right click on the button once the bar shows it, which gives the bar the
    // keyboard as for a user; a few pixels apart from the last, lest two make a double click.
    HWND OpenMenu()
    {
        POINT at{};
        EXPECT_TRUE(WaitUntil([&] {
            const std::optional<RECT> button = ToolbarButtonRect(Toolbar(), 0);
            at = button ? CentreOf(*button) : POINT{};
            at.x += opened_ % 2 ? 8 : -8;
            return button && IsWindowVisible(bar_) && WindowFromPoint(at) == Toolbar();
        }));
        ++opened_;
        Click(at, MouseButton::Right);
        HWND menu = nullptr;
        EXPECT_TRUE(WaitUntil([&] { return (menu = FindOpenMenu()) != nullptr; }));
        if (menu) {
            EXPECT_EQ(ProcessIdOf(menu), session.Quorbel().Id());
            EXPECT_EQ(WindowRectOf(menu).left, at.x);
            EXPECT_EQ(WindowRectOf(menu).top, at.y);
        }
        return menu;
    }

    void Choose(HWND menu, POINT at)
    {
        ASSERT_TRUE(HoverRow(menu, at).has_value());
        PostKey(bar_, VK_RETURN);
        ASSERT_TRUE(WaitUntil([] { return FindOpenMenu() == nullptr; }));
    }

    // Ctrl held until the file shows the program has acted: it reads Ctrl after the menu closed.
    void CtrlClick(const RECT& row, const std::string& fileAfter)
    {
        const XHeldCtrl ctrl;
        Click(CentreOf(row));
        EXPECT_TRUE(WaitUntil([&] { return SubFolderIni() == test::Crlf(fileAfter); })) << SubFolderIni();
    }

    std::string SubFolderIni() const { return test::ReadFileBytes(session.SubFolderIniPath()); }

    // The management row, the last, opens the order dialog; the menu's rows go to `seen`.
    HWND OpenOrderDialog(std::vector<RECT>* seen = nullptr)
    {
        const HWND menu = OpenMenu();
        const std::vector<RECT> rows = ChoosableRows(menu);
        if (seen)
            *seen = rows;
        EXPECT_FALSE(rows.empty());
        if (!rows.empty())
            Choose(menu, CentreOf(rows.back()));
        HWND found = nullptr;
        EXPECT_TRUE(WaitUntil([&] {
            for (HWND dialog : DialogsOf(session.Quorbel().Id())) {
                wchar_t caption[64] = {};
                GetWindowTextW(dialog, caption, 64);
                if (IsWindowVisible(dialog) && std::wstring(caption) == L"순서 변경")
                    found = dialog;
            }
            return found != nullptr;
        }));
        return found;
    }

    static bool SelectListRow(HWND dialog, int row)
    {
        HWND list = GetDlgItem(dialog, kEntryList);
        return WaitUntil([&] {
            const LRESULT selected =
                SendWithTimeout(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED).value_or(-2);
            if (selected != row)
                PostKey(list, selected < row ? VK_DOWN : VK_UP);
            return selected == row;
        });
    }

    static void Press(HWND dialog, int button) { PostMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0); }

    int opened_ = 0;
};

// Each scenario ends with its one choice that sends the host somewhere: the host then comes
// to the front, and Wine may hand it the focus late enough to close a menu opened after.
TEST_F(FolderMenuTest, CtrlClicksRemoveEntriesAndTheLastRemovalChangesTheButtonImage)
{
    Start("[k]\n0=a|C:\\a\n1=docs|C:\\docs\n[kE]\n1=0|-1|40|-1|-1\n");
    EXPECT_EQ(ToolbarButtonImage(Toolbar(), kFirstButtonCommand), 1);
    std::vector<RECT> rows = ChoosableRows(OpenMenu());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(Height(rows[1]), 40) << "docs' decoration asks for 40 pixels";
    // Emptied, not deleted; the decoration stays.
    CtrlClick(rows[1], "[k]\n0=a|C:\\a\n1=\n[kE]\n1=0|-1|40|-1|-1\n");
    EXPECT_EQ(ToolbarButtonImage(Toolbar(), kFirstButtonCommand), 1) << "a is left";

    // The next menu lacks docs; with a gone too, the button's image is that of a button
    // without a menu.
    rows = ChoosableRows(OpenMenu());
    ASSERT_EQ(rows.size(), 2u) << "a and the management row";
    EXPECT_EQ(Height(rows[1]), 20);
    CtrlClick(rows[0], "[k]\n0=\n1=\n[kE]\n1=0|-1|40|-1|-1\n");
    EXPECT_TRUE(WaitUntil([&] { return ToolbarButtonImage(Toolbar(), kFirstButtonCommand) == 0; }));
    EXPECT_TRUE(host_->Log().LinesStartingWith("return ").empty()) << "a removal sends the host nowhere";
}

TEST_F(FolderMenuTest, DecoratedMenuOnScreenAndAChoiceSendsTheHostThere)
{
    const COLORREF background = RGB(255, 230, 160);
    const COLORREF text = RGB(0, 0, 200);
    Start("[k]\n0=Bold folder|C:\\b\n1=Large folder|C:\\l\n2=Coloured folder|D:\\x|C:\\c\n3=-|\n"
          "4=Plain folder|C:\\p\n[kE]\n0=1|-1|-1|-1|-1\n1=0|20|-1|-1|-1\n2=0|-1|-1|" +
          std::to_string(background) + "|" + std::to_string(text) + "\n");
    const HWND menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    const std::vector<RECT> rows = ChoosableRows(menu);
    ASSERT_EQ(rows.size(), 5u);
    const RECT &bold = rows[0], &large = rows[1], &coloured = rows[2], &plain = rows[3];
    const RECT separator{coloured.left, coloured.bottom, coloured.right, plain.top};
    EXPECT_EQ(Height(bold), 20);
    EXPECT_GT(Height(large), 20) << "20 pt text";
    EXPECT_EQ(Height(separator), 9);

    ASSERT_TRUE(HoverRow(menu, CentreOf(bold)).has_value());
    const Screenshot shot = Screenshot::OfWindow(menu);
    SaveScreenshot("decorated-menu");
    const auto at = [&](const RECT& row, int dx, int dy) {
        return shot.PixelAt(POINT{dx >= 0 ? row.left + dx : row.right + dx, dy >= 0 ? row.top + dy : row.bottom + dy});
    };
    EXPECT_EQ(at(bold, 0, 5), kSelectedFrame);
    EXPECT_EQ(at(bold, 10, 5), kSelectedFill) << "no gutter on the highlight";
    EXPECT_EQ(at(large, 10, 5), kGutter);
    EXPECT_EQ(at(large, -3, 2), kDefaultBackground);
    EXPECT_EQ(at(coloured, 10, 5), kGutter);
    EXPECT_EQ(at(coloured, -3, 2), background);
    EXPECT_GT(shot.Count(coloured, text), 20);
    EXPECT_EQ(at(separator, 10, 4), kGutter);
    EXPECT_EQ(at(separator, 23, 3), kSeparator);
    EXPECT_EQ(at(separator, -1, 3), kSeparator);
    EXPECT_NE(at(separator, 22, 3), kSeparator) << "the line starts 23 pixels in";
    EXPECT_NE(at(separator, 30, 2), kSeparator);
    EXPECT_NE(at(separator, 30, 4), kSeparator);
    // Bold strokes are heavier than the plain row's, on the highlight too.
    EXPECT_GT(shot.Count(bold, RGB(0, 0, 0)), shot.Count(plain, RGB(0, 0, 0)));

    Choose(menu, CentreOf(coloured));
    EXPECT_TRUE(host_->Log().WaitForLine("return cd C:\\c")) << "the path after the last bar";
}

// Beta's decoration makes its row 40 pixels high: the next menu shows it first.
TEST_F(FolderMenuTest, TheOrderDialogsChangesAreTheNextMenusAndTheBarsToo)
{
    Start("[k]\n0=Alpha|C:\\alpha\n1=Beta|C:\\beta\n2=Gamma|C:\\gamma\n[kE]\n1=0|-1|40|-1|-1\n");
    HWND dialog = OpenOrderDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(SelectListRow(dialog, 1));
    Press(dialog, kMoveUp);
    Press(dialog, IDOK);
    const std::string reordered = "[k]\n1=Beta|C:\\beta\n0=Alpha|C:\\alpha\n2=Gamma|C:\\gamma\n[kE]\n1=0|-1|40|-1|-1\n";
    EXPECT_TRUE(WaitUntil([&] { return SubFolderIni() == test::Crlf(reordered) && !IsWindow(dialog); }))
        << SubFolderIni();

    // Every entry deleted there takes the button's menu away, which the bar shows at once.
    std::vector<RECT> rows;
    dialog = OpenOrderDialog(&rows);
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(Height(rows[0]), 40) << "Beta first";
    EXPECT_EQ(Height(rows[1]), 20);
    ASSERT_TRUE(SelectListRow(dialog, 0));
    // Each deletion selects the new first row, so the button can be pressed again.
    for (LRESULT left = 2; left >= 0; --left) {
        Press(dialog, kDeleteEntry);
        ASSERT_TRUE(WaitUntil(
            [&] { return SendWithTimeout(GetDlgItem(dialog, kEntryList), LVM_GETITEMCOUNT).value_or(-1) == left; }));
    }
    Press(dialog, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return SubFolderIni() == test::Crlf("[kE]\n1=0|-1|40|-1|-1\n"); })) << SubFolderIni();
    EXPECT_TRUE(WaitUntil([&] { return ToolbarButtonImage(Toolbar(), kFirstButtonCommand) == 0; }));
}

}  // namespace
}  // namespace quorbel::e2e
