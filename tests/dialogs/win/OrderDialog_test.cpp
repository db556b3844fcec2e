#include "dialogs/win/OrderDialog.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <vector>

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

class OrderDialogTest : public testing::Test {
protected:
    void WriteSubmenu(const std::string& bytes) { test::WriteFileBytes(folder_.SubmenuIni(), bytes); }
    std::string Submenu() const { return test::ReadFileBytes(folder_.SubmenuIni()); }

    // Runs the dialog of menu "K" while `steps` play the user.
    OrderOutcome Run(const std::function<void(DialogScript&, HWND)>& steps)
    {
        DialogScript script([&](DialogScript& s) { steps(s, s.WaitForDialog(L"순서 변경")); });
        const OrderOutcome outcome = RunOrderDialog("K");
        EXPECT_EQ(script.Finish(), "");
        return outcome;
    }

    test::ProgramFolder folder_;
};

// Every button asks for a selection first, and none is made when the dialog opens. The
// key and stored value of each row stand in a column of width 0.
TEST_F(OrderDialogTest, EveryButtonAsksForASelectionFirstAndOkStoresTheList)
{
    WriteSubmenu("[K]\r\n0=Zero|C:\\0\r\n3=\r\n1=D:\\plain\r\n[KE]\r\n3=1|9|-1|-1|-1\r\n");
    std::vector<std::wstring> messages;
    LRESULT identityWidth = -1;
    const OrderOutcome outcome = Run([&](DialogScript& s, HWND d) {
        identityWidth = s.SendItem(d, IDC_ENTRY_LIST, LVM_GETCOLUMNWIDTH, 1);
        for (int button : {IDC_MOVE_UP, IDC_MOVE_DOWN, IDC_DELETE_ENTRY, IDC_ENTRY_PROPERTIES}) {
            s.Press(d, button);
            messages.push_back(s.AnswerMessageBox());
        }
        s.Click(d, IDOK);
    });
    EXPECT_EQ(identityWidth, 0);
    EXPECT_EQ(messages, std::vector<std::wstring>(4, L"먼저 선택하세요.."));
    EXPECT_TRUE(outcome.confirmed);
    EXPECT_FALSE(outcome.deleted);
    EXPECT_EQ(Submenu(), "[K]\r\n0=Zero|C:\\0\r\n1=|D:\\plain\r\n[KE]\r\n3=1|9|-1|-1|-1\r\n");
}

// A moved row stays selected and the list keeps the focus; a deletion is reported
// whatever ends the dialog, but Cancel stores nothing.
TEST_F(OrderDialogTest, AMovedRowStaysSelectedAndCancelStoresNothing)
{
    const char three[] = "[K]\r\n0=Zero|C:\\0\r\n1=One|C:\\1\r\n2=Two|C:\\2\r\n";
    WriteSubmenu(three);
    std::string first;
    LRESULT selected = -2;
    bool listHasFocus = false;
    const OrderOutcome outcome = Run([&](DialogScript& s, HWND d) {
        SelectRow(s, d, 1);
        s.Click(d, IDC_MOVE_UP);
        first = RowText(s, d, 0, 1);
        selected = s.SendItem(d, IDC_ENTRY_LIST, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(d, nullptr), &info);
        listHasFocus = info.hwndFocus == GetDlgItem(d, IDC_ENTRY_LIST);
        s.Click(d, IDC_DELETE_ENTRY);
        s.Click(d, IDCANCEL);
    });
    EXPECT_EQ(first, "1,One|C:\\1") << "the key and path travel with the row";
    EXPECT_EQ(selected, 0);
    EXPECT_TRUE(listHasFocus);
    EXPECT_TRUE(outcome.deleted);
    EXPECT_FALSE(outcome.BarNeedsReload());
    EXPECT_EQ(Submenu(), three);
}

// "속성변경" edits the row's entry under its own key (a hand-made "05", not row 1's
// number) and saves it at once, moving it last: Cancel keeps the new title.
TEST_F(OrderDialogTest, PropertiesSaveTheEntryAtOnceAndUpdateTheRow)
{
    WriteSubmenu("[K]\r\n5=five|C:\\5\r\n05=oh-five|C:\\05\r\n1=One|C:\\1\r\n");
    std::string shownTitle, identity;
    RECT order{}, settings{};
    Run([&](DialogScript& s, HWND d) {
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
    EXPECT_EQ(shownTitle, "oh-five");
    EXPECT_EQ(identity, "05,Null|N:\\0");
    EXPECT_EQ(settings.left, order.left) << "opens over the order dialog's top-left corner";
    EXPECT_EQ(settings.top, order.top);
    EXPECT_EQ(Submenu(), "[K]\r\n5=five|C:\\5\r\n1=One|C:\\1\r\n05=Null|N:\\0\r\n[KE]\r\n05=\r\n");
}

}  // namespace
}  // namespace quorbel
