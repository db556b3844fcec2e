#include "dialogs/win/OrderDialog.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "resources/resource.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/win/DialogScript.h"

namespace quorbel {
namespace {

using test::DialogScript;

std::string RowText(DialogScript& s, HWND dialog, int row, int column)
{
    char text[256] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    const LRESULT length = s.SendItem(dialog, IDC_ENTRY_LIST, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                                      reinterpret_cast<LPARAM>(&item));
    return std::string(text, static_cast<std::size_t>(length));
}

// Gives a row the selected and focused state, as a click would.
void SelectRow(DialogScript& s, HWND dialog, int row)
{
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = state.stateMask;
    s.SendItem(dialog, IDC_ENTRY_LIST, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
}

// "속성변경" edits the row's entry under its own key (a hand-made "05", not row 1's
// number) and saves it at once, moving it last: Cancel keeps the new title.
TEST(OrderDialog, PropertiesSaveTheEntryAtOnceAndUpdateTheRow)
{
    test::ProgramFolder folder;
    test::WriteFileBytes(folder.SubmenuIni(), "[K]\r\n5=five|C:\\5\r\n05=oh-five|C:\\05\r\n1=One|C:\\1\r\n");
    std::string shownTitle, identity;
    RECT order{}, settings{};
    DialogScript script([&](DialogScript& s) {
        const HWND d = s.WaitForDialog(L"순서 변경");
        SelectRow(s, d, 1);
        s.Press(d, IDC_ENTRY_PROPERTIES);
        HWND properties = s.WaitForDialog(L"폴더 버튼 설정");
        GetWindowRect(d, &order);
        GetWindowRect(properties, &settings);
        shownTitle = s.Text(properties, IDC_TITLE);
        s.SetText(properties, IDC_TITLE, "Null");
        s.SetText(properties, IDC_PATH, "N:\\0");
        s.Click(properties, IDOK);
        s.WaitUntil([&] { return RowText(s, d, 1, 0) == "Null"; }, "the row's new title");
        identity = RowText(s, d, 1, 1);
        s.Click(d, IDCANCEL);
    });
    RunOrderDialog("K");
    EXPECT_EQ(script.Finish(), "");
    EXPECT_EQ(shownTitle, "oh-five");
    EXPECT_EQ(identity, "05,Null|N:\\0");
    EXPECT_EQ(settings.left, order.left) << "opens over the order dialog's top-left corner";
    EXPECT_EQ(settings.top, order.top);
    EXPECT_EQ(test::ReadFileBytes(folder.SubmenuIni()),
              "[K]\r\n5=five|C:\\5\r\n1=One|C:\\1\r\n05=Null|N:\\0\r\n[KE]\r\n05=\r\n");
}

}  // namespace
}  // namespace quorbel
