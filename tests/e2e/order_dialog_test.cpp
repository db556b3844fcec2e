// The folder menu's last row, "[순서/삭제/제목변경]", opens the order dialog of that menu.
// What is confirmed there is what the next menu shows and what SubFolder2.ini holds.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/e2e/support/E2eTest.h"
#include "tests/e2e/support/Input.h"
#include "tests/e2e/support/RemoteToolbar.h"
#include "tests/e2e/support/Screenshot.h"
#include "tests/e2e/support/WindowQueries.h"
#include "tests/support/TestFiles.h"

namespace quorbel::e2e {
namespace {

constexpr UINT kButtonContext = WM_USER + 100;
constexpr int kEntryList = 1013;
constexpr int kMoveUp = 1014;
constexpr int kDeleteEntry = 1016;

constexpr char kOneButton[] =
    "[main]\r\nsize=1\r\nbTray=0\r\n[0]\r\nsButtonText=Work\r\nsFolderPath=C:\\work\r\nsubkey=k\r\n";
constexpr char kThreeEntries[] =
    "[k]\r\n0=Alpha|C:\\alpha\r\n1=Beta|C:\\beta\r\n2=Gamma|C:\\gamma\r\n[kE]\r\n0=1|-1|-1|-1|-1\r\n";

// The caption as the program gave it, whatever the code page.
std::wstring CaptionOf(HWND window)
{
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return text;
}

class OrderDialogScenario : public E2eTest {
protected:
    void SetUp() override
    {
        HostOptions options;
        options.rect = RECT{60, 40, 700, 460};
        host_ = &session.StartHost(options);
        session.WriteQuorbelIni(kOneButton);
        session.WriteSubFolderIni(kThreeEntries);
        session.StartQuorbel();
        bar_ = session.WaitForBar();
        ASSERT_TRUE(BringToForeground(host_->Window()));
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(bar_) != FALSE; }));
    }

    // Opens the first button's folder menu as a right click without Ctrl does, and
    // chooses the row at `rowFromTop` pixels below the menu's top edge (negative: above
    // its bottom edge) by pointing at it and pressing Return. The pointer rests on the
    // row, so that the menu keeps it selected.
    void ChooseMenuRow(int rowFromTop)
    {
        // The menu opens at the pointer; keep it clear of where the rows will be.
        MoveMouse(POINT{300, 600});
        PostMessageW(bar_, kButtonContext, 0, 0);
        HWND menu = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (menu = FindOpenMenu()) != nullptr; }));
        ASSERT_TRUE(WaitUntilPainted(menu));
        const RECT frame = WindowRectOf(menu);
        const POINT row{(frame.left + frame.right) / 2,
                        rowFromTop >= 0 ? frame.top + rowFromTop : frame.bottom + rowFromTop};
        // The row is drawn highlighted once the menu has selected it: its pixels change.
        const RECT band{frame.left, row.y - 2, frame.right, row.y + 3};
        const Screenshot before = Screenshot::Of(band);
        MoveMouse(row);
        ASSERT_TRUE(WaitUntil([&] {
            const Screenshot now = Screenshot::Of(band);
            for (LONG x = band.left; x < band.right; ++x)
                if (now.PixelAt(POINT{x, row.y}) != before.PixelAt(POINT{x, row.y}))
                    return true;
            return false;
        }));
        PostKey(bar_, VK_RETURN);
        ASSERT_TRUE(WaitUntil([] { return FindOpenMenu() == nullptr; }));
    }

    HWND WaitForOrderDialog()
    {
        HWND found = nullptr;
        EXPECT_TRUE(WaitUntil([&] {
            for (HWND dialog : DialogsOf(session.Quorbel().Id()))
                if (IsWindowVisible(dialog) && CaptionOf(dialog) == L"순서 변경")
                    found = dialog;
            return found != nullptr;
        }));
        return found;
    }

    // Selects a row of the dialog's list with the keyboard, as a user would.
    static bool SelectRow(HWND dialog, int row)
    {
        HWND list = GetDlgItem(dialog, kEntryList);
        return WaitUntil([&] {
            const int selected = static_cast<int>(
                SendWithTimeout(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED).value_or(-2));
            if (selected == row)
                return true;
            PostKey(list, selected < row ? VK_DOWN : VK_UP);
            return false;
        });
    }

    // The screen under a window is black until the window paints it; once painted, the
    // picture holds still from one look to the next.
    static bool WaitUntilPainted(HWND window)
    {
        std::vector<COLORREF> last;
        return WaitUntil([&] {
            const Screenshot shot = Screenshot::OfWindow(window);
            const RECT& area = shot.Area();
            std::vector<COLORREF> now;
            for (LONG y = area.top; y < area.bottom; ++y)
                for (LONG x = area.left; x < area.right; ++x)
                    now.push_back(shot.PixelAt(POINT{x, y}));
            const auto black = std::count(now.begin(), now.end(), RGB(0, 0, 0));
            const bool still = now == last && black < static_cast<long>(now.size() / 10);
            last = std::move(now);
            return still;
        });
    }

    static void Press(HWND dialog, int button) { PostMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0); }

    std::string SubFolderIni() const { return test::ReadFileBytes(session.SubFolderIniPath()); }

    StandInHost* host_ = nullptr;
    HWND bar_ = nullptr;
};

TEST_F(OrderDialogScenario, AReorderConfirmedThereIsTheNextMenusOrder)
{
    ChooseMenuRow(-8);  // the management row is the last one
    const HWND dialog = WaitForOrderDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(WaitUntilPainted(dialog));
    SaveScreenshot("order-dialog");

    ASSERT_TRUE(SelectRow(dialog, 1));
    Press(dialog, kMoveUp);
    Press(dialog, IDOK);
    const std::string reordered =
        "[k]\r\n1=Beta|C:\\beta\r\n0=Alpha|C:\\alpha\r\n2=Gamma|C:\\gamma\r\n[kE]\r\n0=1|-1|-1|-1|-1\r\n";
    EXPECT_TRUE(WaitUntil([&] { return SubFolderIni() == reordered; })) << SubFolderIni();
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));

    // The next menu lists Beta first: its first row sends the host there.
    ChooseMenuRow(12);
    EXPECT_TRUE(host_->Log().WaitForLine("return cd C:\\beta"));
}

TEST_F(OrderDialogScenario, ADeletionCancelledThereChangesNothing)
{
    ChooseMenuRow(-8);
    const HWND dialog = WaitForOrderDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(SelectRow(dialog, 0));
    Press(dialog, kDeleteEntry);
    ASSERT_TRUE(WaitUntil([&] {
        return SendWithTimeout(GetDlgItem(dialog, kEntryList), LVM_GETITEMCOUNT).value_or(0) == 2;
    }));
    Press(dialog, IDCANCEL);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(SubFolderIni(), kThreeEntries);

    ChooseMenuRow(12);
    EXPECT_TRUE(host_->Log().WaitForLine("return cd C:\\alpha"));
}

// Deleting every entry and confirming takes the button's menu away, which the bar shows
// at once: the button's image is the one of a button without a menu.
TEST_F(OrderDialogScenario, DeletingEveryEntryThereReloadsTheBar)
{
    const int firstButton = 100;
    ASSERT_EQ(ToolbarButtonImage(FindToolbar(bar_), firstButton), 1);
    ChooseMenuRow(-8);
    const HWND dialog = WaitForOrderDialog();
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(dialog, kEntryList);
    ASSERT_TRUE(SelectRow(dialog, 0));
    // Each deletion selects the new first row, so the button can be pressed again.
    for (LRESULT left = 2; left >= 0; --left) {
        Press(dialog, kDeleteEntry);
        ASSERT_TRUE(WaitUntil([&] { return SendWithTimeout(list, LVM_GETITEMCOUNT).value_or(-1) == left; }));
    }
    Press(dialog, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return SubFolderIni() == "[kE]\r\n0=1|-1|-1|-1|-1\r\n"; })) << SubFolderIni();
    EXPECT_TRUE(WaitUntil([&] { return ToolbarButtonImage(FindToolbar(bar_), firstButton) == 0; }));
}

}  // namespace
}  // namespace quorbel::e2e
