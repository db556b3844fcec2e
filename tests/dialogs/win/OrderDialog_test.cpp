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
using Titles = std::vector<std::string>;

constexpr wchar_t kCaption[] = L"순서 변경";
constexpr char kThree[] = "[K]\r\n0=Zero|C:\\0\r\n1=One|C:\\1\r\n2=Two|C:\\2\r\n[KE]\r\n0=1|9|-1|-1|-1\r\n";

// Column 0 shows the titles; the hidden column 1 the key and stored value of each row.
Titles Column(DialogScript& script, HWND dialog, int column)
{
    Titles texts;
    for (int row = 0; row < script.RowCount(dialog, IDC_ENTRY_LIST); ++row)
        texts.push_back(script.RowText(dialog, IDC_ENTRY_LIST, row, column));
    return texts;
}

class OrderDialogTest : public testing::Test {
protected:
    void WriteSubmenu(const std::string& bytes) { test::WriteFileBytes(folder_.SubmenuIni(), bytes); }
    std::string Submenu() const { return test::ReadFileBytes(folder_.SubmenuIni()); }

    // Runs the dialog of menu "K" while `steps` play the user.
    OrderOutcome Run(const std::function<void(DialogScript&, HWND)>& steps)
    {
        DialogScript script([&](DialogScript& s) { steps(s, s.WaitForDialog(kCaption)); });
        const OrderOutcome outcome = RunOrderDialog("K");
        EXPECT_EQ(script.Finish(), "");
        return outcome;
    }

    test::ProgramFolder folder_;
};

// Every button asks for a selection first, and none is made when the dialog opens.
TEST_F(OrderDialogTest, ListsTheEntriesAndOkStoresThemAsListed)
{
    WriteSubmenu("[K]\r\n0=Zero|C:\\0\r\n3=\r\n1=D:\\plain\r\n2=Two|a|b\r\n[KE]\r\n3=1|9|-1|-1|-1\r\n");
    Titles titles, identities, after;
    std::vector<std::wstring> messages;
    int titleWidth = 0, identityWidth = -1;
    const OrderOutcome outcome = Run([&](DialogScript& s, HWND d) {
        titles = Column(s, d, 0);
        identities = Column(s, d, 1);
        titleWidth = static_cast<int>(s.Send(GetDlgItem(d, IDC_ENTRY_LIST), LVM_GETCOLUMNWIDTH, 0));
        identityWidth = static_cast<int>(s.Send(GetDlgItem(d, IDC_ENTRY_LIST), LVM_GETCOLUMNWIDTH, 1));
        for (int button : {IDC_MOVE_UP, IDC_MOVE_DOWN, IDC_DELETE_ENTRY, IDC_ENTRY_PROPERTIES}) {
            s.Press(d, button);
            messages.push_back(s.AnswerMessageBox());
        }
        after = Column(s, d, 0);
        s.Click(d, IDOK);
    });
    EXPECT_EQ(titles, (Titles{"Zero", "", "Two"})) << "empty values are not listed";
    EXPECT_EQ(identities, (Titles{"0,Zero|C:\\0", "1,|D:\\plain", "2,Two|a|b"}));
    EXPECT_EQ(titleWidth, 300);
    EXPECT_EQ(identityWidth, 0);
    EXPECT_EQ(messages, std::vector<std::wstring>(4, L"먼저 선택하세요.."));
    EXPECT_EQ(after, titles);
    EXPECT_TRUE(outcome.confirmed);
    EXPECT_FALSE(outcome.deleted);
    EXPECT_FALSE(outcome.BarNeedsReload());
    // The empty key is gone, a value without "|" gains one; decorations stay as they were.
    EXPECT_EQ(Submenu(), "[K]\r\n0=Zero|C:\\0\r\n1=|D:\\plain\r\n2=Two|a|b\r\n[KE]\r\n3=1|9|-1|-1|-1\r\n");
}

TEST_F(OrderDialogTest, MovesTheSelectedRowButNotPastEitherEnd)
{
    const struct {
        int row, button;
        Titles titles;
        int selected;
        const char* identity;  // of the selected row: the key and path travel with it
    } cases[] = {
        {0, IDC_MOVE_UP, {"Zero", "One", "Two"}, 0, "0,Zero|C:\\0"},
        {2, IDC_MOVE_DOWN, {"Zero", "One", "Two"}, 2, "2,Two|C:\\2"},
        {1, IDC_MOVE_UP, {"One", "Zero", "Two"}, 0, "1,One|C:\\1"},
        {1, IDC_MOVE_DOWN, {"Zero", "Two", "One"}, 2, "1,One|C:\\1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        WriteSubmenu(kThree);
        Titles titles;
        int selected = -2;
        std::string identity;
        bool listHasFocus = false;
        const OrderOutcome outcome = Run([&](DialogScript& s, HWND d) {
            s.SelectRow(d, IDC_ENTRY_LIST, c.row);
            s.Click(d, c.button);
            titles = Column(s, d, 0);
            selected = s.SelectedRow(d, IDC_ENTRY_LIST);
            identity = s.RowText(d, IDC_ENTRY_LIST, c.selected, 1);
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            GetGUIThreadInfo(GetWindowThreadProcessId(d, nullptr), &info);
            listHasFocus = info.hwndFocus == GetDlgItem(d, IDC_ENTRY_LIST);
            s.Click(d, IDCANCEL);
        });
        EXPECT_EQ(titles, c.titles);
        EXPECT_EQ(selected, c.selected);
        EXPECT_EQ(identity, c.identity);
        EXPECT_TRUE(listHasFocus || c.selected == c.row) << "a moved row has the focus";
        EXPECT_FALSE(outcome.confirmed);
        EXPECT_EQ(Submenu(), kThree) << "Cancel writes nothing";
    }
}

// Deleting every row, and storing that, is the end-to-end scenario's (folder_menu_test).
TEST_F(OrderDialogTest, DeletingSelectsTheRowAboveAndCancelStoresNothing)
{
    WriteSubmenu(kThree);
    Titles titles;
    int selected = -2;
    const OrderOutcome outcome = Run([&](DialogScript& s, HWND d) {
        s.SelectRow(d, IDC_ENTRY_LIST, 1);
        s.Click(d, IDC_DELETE_ENTRY);
        titles = Column(s, d, 0);
        selected = s.SelectedRow(d, IDC_ENTRY_LIST);
        s.Click(d, IDCANCEL);
    });
    EXPECT_EQ(titles, (Titles{"Zero", "Two"}));
    EXPECT_EQ(selected, 0);
    EXPECT_TRUE(outcome.deleted) << "set by the delete, whatever ends the dialog";
    EXPECT_FALSE(outcome.BarNeedsReload());
    EXPECT_EQ(Submenu(), kThree);
}

// "속성변경" edits the row's entry under its own key (a hand-made "05", not row 1's
// number) and saves it at once, moving it last: Cancel keeps the new title, OK puts the
// entry back in its place in the list.
TEST_F(OrderDialogTest, PropertiesSaveTheEntryAtOnceAndUpdateTheRow)
{
    const struct {
        bool ok;
        const char* after;
    } cases[] = {
        {false, "[K]\r\n5=five|C:\\5\r\n1=One|C:\\1\r\n05=Null|N:\\0\r\n[KE]\r\n05=\r\n"},
        {true, "[K]\r\n5=five|C:\\5\r\n05=Null|N:\\0\r\n1=One|C:\\1\r\n[KE]\r\n05=\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ok);
        WriteSubmenu("[K]\r\n5=five|C:\\5\r\n05=oh-five|C:\\05\r\n1=One|C:\\1\r\n");
        std::string shownTitle, identity;
        RECT order{}, settings{};
        const OrderOutcome outcome = Run([&](DialogScript& s, HWND d) {
            s.SelectRow(d, IDC_ENTRY_LIST, 1);
            s.Press(d, IDC_ENTRY_PROPERTIES);
            HWND properties = s.WaitForDialog(L"폴더 버튼 설정");
            GetWindowRect(d, &order);
            GetWindowRect(properties, &settings);
            shownTitle = s.Text(properties, IDC_TITLE);
            s.SetText(properties, IDC_TITLE, "Null");
            s.SetText(properties, IDC_PATH, "N:\\0");
            s.Click(properties, IDOK);
            s.WaitUntil([&] { return s.RowText(d, IDC_ENTRY_LIST, 1, 0) == "Null"; }, "the row's new title");
            identity = s.RowText(d, IDC_ENTRY_LIST, 1, 1);
            s.Click(d, c.ok ? IDOK : IDCANCEL);
        });
        EXPECT_EQ(shownTitle, "oh-five");
        EXPECT_EQ(identity, "05,Null|N:\\0");
        EXPECT_EQ(settings.left, order.left) << "opens over the order dialog's top-left corner";
        EXPECT_EQ(settings.top, order.top);
        EXPECT_EQ(outcome.confirmed, c.ok);
        EXPECT_EQ(Submenu(), c.after);
    }
}

}  // namespace
}  // namespace quorbel
