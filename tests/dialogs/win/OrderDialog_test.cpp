#include "dialogs/win/OrderDialog.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <vector>

#include "config/ProfileApi.h"
#include "resources/resource.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/win/DialogScript.h"

namespace quorbel {
namespace {

using test::DialogScript;

constexpr wchar_t kCaption[] = L"순서 변경";
constexpr wchar_t kSettingsCaption[] = L"폴더 버튼 설정";

constexpr char kThree[] =
    "[K]\r\n0=Zero|C:\\0\r\n1=One|C:\\1\r\n2=Two|C:\\2\r\n[KE]\r\n0=1|9|-1|-1|-1\r\n";

// The platform's store, with every write noted: which section and whether it replaced
// the section as a whole.
class WriteSpy : public ProfileApi {
public:
    WriteSpy() { UseProfile(this); }
    ~WriteSpy() override { UseProfile(nullptr); }

    struct Write {
        std::string section;
        bool wholeSection;
    };
    std::vector<Write> writes;

    std::uint32_t GetString(const char* section, const char* key, const char* fallback,
                            char* buffer, std::uint32_t size, const char* path) override
    {
        return PlatformProfile().GetString(section, key, fallback, buffer, size, path);
    }
    std::uint32_t GetInt(const char* section, const char* key, std::int32_t fallback,
                         const char* path) override
    {
        return PlatformProfile().GetInt(section, key, fallback, path);
    }
    bool WriteString(const char* section, const char* key, const char* value,
                     const char* path) override
    {
        writes.push_back({section ? section : "", false});
        return PlatformProfile().WriteString(section, key, value, path);
    }
    bool WriteSection(const char* section, const char* lines, const char* path) override
    {
        writes.push_back({section ? section : "", true});
        return PlatformProfile().WriteSection(section, lines, path);
    }
};

class OrderDialogTest : public testing::Test {
protected:
    void WriteSubmenu(const std::string& bytes) { test::WriteFileBytes(folder_.SubmenuIni(), bytes); }
    std::string Submenu() const { return test::ReadFileBytes(folder_.SubmenuIni()); }

    OrderOutcome Run(const DialogScript::Steps& steps)
    {
        DialogScript script(steps);
        const OrderOutcome outcome = RunOrderDialog("K");
        EXPECT_EQ(script.Finish(), "");
        return outcome;
    }

    test::ProgramFolder folder_;
};

std::vector<std::string> Titles(DialogScript& script, HWND dialog)
{
    std::vector<std::string> titles;
    for (int row = 0; row < script.RowCount(dialog, IDC_ENTRY_LIST); ++row)
        titles.push_back(script.RowText(dialog, IDC_ENTRY_LIST, row, 0));
    return titles;
}

HWND FocusOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

using Titles_ = std::vector<std::string>;

TEST_F(OrderDialogTest, ListsTheEntriesAndOkStoresThemAsListed)
{
    WriteSubmenu("[K]\r\n0=Zero|C:\\0\r\n3=\r\n1=D:\\plain\r\n2=Two|a|b\r\n[KE]\r\n3=1|9|-1|-1|-1\r\n");
    Titles_ titles;
    std::vector<std::string> identities;
    int selected = 0, titleWidth = 0, identityWidth = -1;
    const OrderOutcome outcome = Run([&](DialogScript& script) {
        HWND dialog = script.WaitForDialog(kCaption);
        titles = Titles(script, dialog);
        for (int row = 0; row < static_cast<int>(titles.size()); ++row)
            identities.push_back(script.RowText(dialog, IDC_ENTRY_LIST, row, 1));
        selected = script.SelectedRow(dialog, IDC_ENTRY_LIST);
        HWND list = GetDlgItem(dialog, IDC_ENTRY_LIST);
        titleWidth = static_cast<int>(script.Send(list, LVM_GETCOLUMNWIDTH, 0));
        identityWidth = static_cast<int>(script.Send(list, LVM_GETCOLUMNWIDTH, 1));
        script.Click(dialog, IDOK);
    });
    EXPECT_EQ(titles, (Titles_{"Zero", "", "Two"})) << "empty values are not listed";
    EXPECT_EQ(identities, (std::vector<std::string>{"0,Zero|C:\\0", "1,|D:\\plain", "2,Two|a|b"}));
    EXPECT_EQ(selected, -1);
    EXPECT_EQ(titleWidth, 300);
    EXPECT_EQ(identityWidth, 0);
    EXPECT_TRUE(outcome.confirmed);
    EXPECT_FALSE(outcome.deleted);
    EXPECT_FALSE(outcome.BarNeedsReload());
    // The empty key is gone, a value without "|" gains one; decorations stay as they were.
    EXPECT_EQ(Submenu(), "[K]\r\n0=Zero|C:\\0\r\n1=|D:\\plain\r\n2=Two|a|b\r\n[KE]\r\n3=1|9|-1|-1|-1\r\n");
}

TEST_F(OrderDialogTest, MovesTheSelectedRowButNotPastEitherEnd)
{
    struct {
        int row, button;
        Titles_ titles;
        int selected;
        const char* identity;  // of the selected row: the key and path travel with it
    } const cases[] = {
        {0, IDC_MOVE_UP, {"Zero", "One", "Two"}, 0, "0,Zero|C:\\0"},
        {2, IDC_MOVE_DOWN, {"Zero", "One", "Two"}, 2, "2,Two|C:\\2"},
        {1, IDC_MOVE_UP, {"One", "Zero", "Two"}, 0, "1,One|C:\\1"},
        {1, IDC_MOVE_DOWN, {"Zero", "Two", "One"}, 2, "1,One|C:\\1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        WriteSubmenu(kThree);
        Titles_ titles;
        int selected = -2;
        bool listHasFocus = false;
        std::string identity;
        const OrderOutcome outcome = Run([&](DialogScript& script) {
            HWND dialog = script.WaitForDialog(kCaption);
            script.SelectRow(dialog, IDC_ENTRY_LIST, c.row);
            script.Click(dialog, c.button);
            titles = Titles(script, dialog);
            selected = script.SelectedRow(dialog, IDC_ENTRY_LIST);
            identity = script.RowText(dialog, IDC_ENTRY_LIST, c.selected, 1);
            listHasFocus = FocusOf(dialog) == GetDlgItem(dialog, IDC_ENTRY_LIST);
            script.Click(dialog, IDCANCEL);
        });
        EXPECT_EQ(titles, c.titles);
        EXPECT_EQ(selected, c.selected);
        EXPECT_EQ(identity, c.identity);
        EXPECT_TRUE(listHasFocus || c.selected == c.row) << "a moved row has the focus";
        EXPECT_FALSE(outcome.confirmed);
        EXPECT_EQ(Submenu(), kThree) << "Cancel writes nothing";
    }
}

TEST_F(OrderDialogTest, OkWritesTheNewOrderInOneReplacement)
{
    WriteSubmenu(kThree);
    WriteSpy spy;
    const OrderOutcome outcome = Run([&](DialogScript& script) {
        HWND dialog = script.WaitForDialog(kCaption);
        script.SelectRow(dialog, IDC_ENTRY_LIST, 1);
        script.Click(dialog, IDC_MOVE_UP);
        script.Click(dialog, IDOK);
    });
    EXPECT_TRUE(outcome.confirmed);
    EXPECT_EQ(Submenu(), "[K]\r\n1=One|C:\\1\r\n0=Zero|C:\\0\r\n2=Two|C:\\2\r\n[KE]\r\n0=1|9|-1|-1|-1\r\n");
    ASSERT_EQ(spy.writes.size(), 1u) << "no moment without the menu";
    EXPECT_EQ(spy.writes[0].section, "K");
    EXPECT_TRUE(spy.writes[0].wholeSection);
}

TEST_F(OrderDialogTest, DeletingSelectsTheRowAboveOrTheNewFirstRow)
{
    struct {
        const char* before;
        int row;
        Titles_ titles;
        int selected;
        const char* afterOk;
    } const cases[] = {
        {kThree, 1, {"Zero", "Two"}, 0,
         "[K]\r\n0=Zero|C:\\0\r\n2=Two|C:\\2\r\n[KE]\r\n0=1|9|-1|-1|-1\r\n"},
        {kThree, 0, {"One", "Two"}, 0,
         "[K]\r\n1=One|C:\\1\r\n2=Two|C:\\2\r\n[KE]\r\n0=1|9|-1|-1|-1\r\n"},
        // The last entry gone: the section goes, the decorations stay.
        {"[K]\r\n0=Zero|C:\\0\r\n[KE]\r\n0=1|9|-1|-1|-1\r\n", 0, {}, -1,
         "[KE]\r\n0=1|9|-1|-1|-1\r\n"},
    };
    for (const auto& c : cases) {
        for (bool ok : {false, true}) {
            SCOPED_TRACE(std::to_string(c.row) + (ok ? " OK" : " Cancel"));
            WriteSubmenu(c.before);
            Titles_ titles;
            int selected = -2;
            const OrderOutcome outcome = Run([&](DialogScript& script) {
                HWND dialog = script.WaitForDialog(kCaption);
                script.SelectRow(dialog, IDC_ENTRY_LIST, c.row);
                script.Click(dialog, IDC_DELETE_ENTRY);
                titles = Titles(script, dialog);
                selected = script.SelectedRow(dialog, IDC_ENTRY_LIST);
                script.Click(dialog, ok ? IDOK : IDCANCEL);
            });
            EXPECT_EQ(titles, c.titles);
            EXPECT_EQ(selected, c.selected);
            EXPECT_EQ(outcome.confirmed, ok);
            EXPECT_TRUE(outcome.deleted) << "set by the delete, whatever ends the dialog";
            EXPECT_EQ(outcome.BarNeedsReload(), ok);
            EXPECT_EQ(Submenu(), ok ? c.afterOk : c.before);
        }
    }
}

TEST_F(OrderDialogTest, EveryButtonAsksForASelectionFirst)
{
    WriteSubmenu(kThree);
    std::vector<std::wstring> messages;
    Titles_ titles;
    const OrderOutcome outcome = Run([&](DialogScript& script) {
        HWND dialog = script.WaitForDialog(kCaption);
        for (int button : {IDC_MOVE_UP, IDC_MOVE_DOWN, IDC_DELETE_ENTRY, IDC_ENTRY_PROPERTIES}) {
            script.Press(dialog, button);
            HWND box = script.WaitForMessageBox();
            messages.push_back(script.MessageText(box));
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            script.WaitUntilGone(box);
        }
        titles = Titles(script, dialog);
        script.Click(dialog, IDOK);
    });
    EXPECT_EQ(messages, std::vector<std::wstring>(4, L"먼저 선택하세요.."));
    EXPECT_EQ(titles, (Titles_{"Zero", "One", "Two"}));
    EXPECT_FALSE(outcome.deleted);
    EXPECT_EQ(Submenu(), kThree);
}

// "속성변경" saves the entry at once (moving its key last), so the order dialog's Cancel
// keeps the new title; its OK puts the entry back in its place in the list.
TEST_F(OrderDialogTest, PropertiesSaveTheEntryAtOnceAndUpdateTheRow)
{
    struct {
        bool ok;
        const char* after;
    } const cases[] = {
        {false, "[K]\r\n1=One|C:\\1\r\n2=Two|C:\\2\r\n0=Null|N:\\0\r\n[KE]\r\n0=1|9|-1|-1|-1\r\n"},
        {true, "[K]\r\n0=Null|N:\\0\r\n1=One|C:\\1\r\n2=Two|C:\\2\r\n[KE]\r\n0=1|9|-1|-1|-1\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ok);
        WriteSubmenu(kThree);
        std::string shownTitle, identity;
        RECT order{}, settings{};
        const OrderOutcome outcome = Run([&](DialogScript& script) {
            HWND dialog = script.WaitForDialog(kCaption);
            script.SelectRow(dialog, IDC_ENTRY_LIST, 0);
            script.Press(dialog, IDC_ENTRY_PROPERTIES);
            HWND properties = script.WaitForDialog(kSettingsCaption);
            GetWindowRect(dialog, &order);
            GetWindowRect(properties, &settings);
            shownTitle = script.Text(properties, IDC_TITLE);
            script.SetText(properties, IDC_TITLE, "Null");
            script.SetText(properties, IDC_PATH, "N:\\0");
            script.Click(properties, IDOK);
            script.WaitUntil([&] { return script.RowText(dialog, IDC_ENTRY_LIST, 0, 0) == "Null"; },
                             "the row's new title");
            identity = script.RowText(dialog, IDC_ENTRY_LIST, 0, 1);
            script.Click(dialog, c.ok ? IDOK : IDCANCEL);
        });
        EXPECT_EQ(shownTitle, "Zero");
        EXPECT_EQ(identity, "0,Null|N:\\0");
        EXPECT_EQ(settings.left, order.left) << "opens over the order dialog's top-left corner";
        EXPECT_EQ(settings.top, order.top);
        EXPECT_EQ(outcome.confirmed, c.ok);
        EXPECT_EQ(Submenu(), c.after);
    }
}

TEST_F(OrderDialogTest, PropertiesOfAHandMadeKeyEditThatEntryOnly)
{
    WriteSubmenu("[K]\r\n5=five|C:\\5\r\n05=oh-five|C:\\05\r\n");
    std::string shownTitle;
    Run([&](DialogScript& script) {
        HWND dialog = script.WaitForDialog(kCaption);
        script.SelectRow(dialog, IDC_ENTRY_LIST, 1);
        script.Press(dialog, IDC_ENTRY_PROPERTIES);
        HWND properties = script.WaitForDialog(kSettingsCaption);
        shownTitle = script.Text(properties, IDC_TITLE);
        script.SetText(properties, IDC_TITLE, "oh");
        script.Click(properties, IDOK);
        script.WaitUntilGone(properties);
        script.Click(dialog, IDOK);
    });
    EXPECT_EQ(shownTitle, "oh-five");
    EXPECT_EQ(Submenu(), "[K]\r\n5=five|C:\\5\r\n05=oh|C:\\05\r\n[KE]\r\n05=\r\n");
}

}  // namespace
}  // namespace quorbel
