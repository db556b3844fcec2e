// A button's folder menu opened by real right clicks: the order dialog, a
// Ctrl-click emptying an entry, and the bar's own menu once no entry is left.
#include "resources/resource.h"
#include "tests/e2e/support/E2eTest.h"

namespace quorbel::e2e {
namespace {

class WorkingWithAFolderMenu : public E2eTest {
protected:
    // A real right click on the button, which gives the bar the keyboard as for a user; a
    // few pixels apart from the last, lest two make a double click.
    HWND OpenMenu()
    {
        const int dx = opened_++ % 2 ? 8 : -8;
        POINT at{};
        EXPECT_TRUE(WaitUntil([&] {
            const RECT button = ToolbarButtonRect(Toolbar(), 0).value_or(RECT{});
            at = POINT{(button.left + button.right) / 2 + dx, (button.top + button.bottom) / 2};
            return IsWindowVisible(bar_) && WindowFromPoint(at) == Toolbar();
        }));
        Click(at, MouseButton::Right);
        HWND menu = nullptr;
        EXPECT_TRUE(WaitUntil([&] { return (menu = FindOpenMenu()) != nullptr; }));
        EXPECT_EQ(std::make_pair(WindowRectOf(menu).left, WindowRectOf(menu).top), std::make_pair(at.x, at.y));
        return menu;
    }

    static bool SelectRow(HWND list, int row)
    {
        return WaitUntil([&] {
            const LRESULT selected = SendWithTimeout(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED).value_or(-2);
            if (selected != row)
                PostKey(list, selected < row ? VK_DOWN : VK_UP);
            return selected == row;
        });
    }

    std::string SubFolderIni() const { return test::ReadFileBytes(session.SubFolderIniPath()); }

    int opened_ = 0;
};

TEST_F(WorkingWithAFolderMenu, ReorderEmptyAndDeleteTheEntries)
{
    const std::string decoration = "[kE]\n1=0|-1|40|-1|-1\n";
    StartBar("[main]\nsize=1\nbTray=0\n[0]\nsButtonText=Work\nsFolderPath=C:\\work\nsubkey=k\n",
             "[k]\n0=Alpha|C:\\alpha\n1=Beta|C:\\beta\n2=Gamma|D:\\x|C:\\gamma\n" + decoration,
             {"--pos=60,40,700,460"});
    // "위로" on Beta and OK: the file in the new order, and the next menu too.
    OpenMenu();
    ChooseMenuItem(3);  // the management row, the last, opens the order dialog
    HWND dialog = WaitForDialog();
    ASSERT_TRUE(SelectRow(GetDlgItem(dialog, IDC_ENTRY_LIST), 1));
    PostMessageW(GetDlgItem(dialog, IDC_MOVE_UP), BM_CLICK, 0, 0);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    const std::string reordered = "[k]\n1=Beta|C:\\beta\n0=Alpha|C:\\alpha\n2=Gamma|D:\\x|C:\\gamma\n" + decoration;
    EXPECT_TRUE(WaitUntil([&] { return SubFolderIni() == test::Crlf(reordered); })) << SubFolderIni();

    // A real click on the first row, Beta now (40 pixels high), with Ctrl held on the X
    // server: its key is emptied, its decoration kept, and the host sent nowhere.
    const RECT frame = WindowRectOf(OpenMenu());
    {
        const XHeldCtrl ctrl;
        Click(POINT{(frame.left + frame.right) / 2, frame.top + 15});
        const std::string emptied = "[k]\n1=\n0=Alpha|C:\\alpha\n2=Gamma|D:\\x|C:\\gamma\n" + decoration;
        EXPECT_TRUE(WaitUntil([&] { return SubFolderIni() == test::Crlf(emptied); })) << SubFolderIni();
    }
    EXPECT_EQ(host_->LogLines().size(), 1u) << "the host was sent nothing";

    // Every entry deleted in the order dialog: the button shows it has no menu, and a
    // plain right click gives the bar's own menu, whose glue item is then taken.
    OpenMenu();
    ChooseMenuItem(2);
    dialog = WaitForDialog();
    const HWND entries = GetDlgItem(dialog, IDC_ENTRY_LIST);
    ASSERT_TRUE(SelectRow(entries, 0));
    // Each deletion selects the new first row, so the button can be pressed again.
    for (LRESULT left = SendWithTimeout(entries, LVM_GETITEMCOUNT).value_or(0); left > 0; --left)
        PostMessageW(GetDlgItem(dialog, IDC_DELETE_ENTRY), BM_CLICK, 0, 0);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return SubFolderIni() == test::Crlf(decoration); })) << SubFolderIni();
    EXPECT_TRUE(WaitUntil([&] { return SendWithTimeout(Toolbar(), TB_GETBITMAP, 100) == 0; }));
    OpenMenu();
    ChooseMenuItem(2);  // "토탈커맨드창에 달라붙기"
    EXPECT_TRUE(WaitUntil([&] { return ReadIniInt(session.QuorbelIniPath(), "main", "bGlue", 1) == 0; }));
}

}  // namespace
}  // namespace quorbel::e2e
