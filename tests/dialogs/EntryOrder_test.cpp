#include "dialogs/EntryOrder.h"

#include <gtest/gtest.h>

#include "config/IniSection.h"
#include "dialogs/FolderEntryEditor.h"
#include "tests/support/MemoryProfile.h"
#include "tests/support/TestFiles.h"

namespace quorbel {
namespace {

const IniEntries kThree{{"0", "zero|C:\\0"}, {"1", "one|C:\\1"}, {"2", "two|C:\\2"}};

std::vector<std::string> Keys(const EntryOrder& order)
{
    std::vector<std::string> keys;
    for (const OrderRow& row : order.Rows())
        keys.push_back(row.key);
    return keys;
}

TEST(EntryOrder, ListsNonEmptyEntriesWithTheirTitles)
{
    const EntryOrder order(IniEntries{{"3", "Docs|D:\\Docs"}, {"1", ""}, {"0", "D:\\plain"},
                                      {"7", "a|b|c"}, {"2", "-|"}});
    ASSERT_EQ(Keys(order), (std::vector<std::string>{"3", "0", "7", "2"}));
    EXPECT_EQ(order.Rows()[0].title, "Docs");
    EXPECT_EQ(order.Rows()[0].path, "D:\\Docs");
    EXPECT_EQ(order.Rows()[1].title, "");
    EXPECT_EQ(order.Rows()[1].path, "D:\\plain");
    EXPECT_EQ(order.Rows()[2].title, "a");
    EXPECT_EQ(order.Rows()[2].path, "b|c");
    EXPECT_EQ(order.Rows()[3].title, "-");
    EXPECT_FALSE(order.HasSelection());
    EXPECT_FALSE(order.Deleted());
}

enum class Op { Up, Down, Delete };

struct MoveCase {
    const char* name;
    int selected;
    Op op;
    std::vector<std::string> keys;
    int selection;
};

class EntryOrderMoveTest : public testing::TestWithParam<MoveCase> {};

TEST_P(EntryOrderMoveTest, MovesTheSelectedRow)
{
    const MoveCase& c = GetParam();
    EntryOrder order(kThree);
    order.Select(c.selected);
    switch (c.op) {
    case Op::Up: EXPECT_TRUE(order.MoveUp()); break;
    case Op::Down: EXPECT_TRUE(order.MoveDown()); break;
    case Op::Delete: EXPECT_TRUE(order.DeleteSelected()); break;
    }
    EXPECT_EQ(Keys(order), c.keys);
    EXPECT_EQ(order.Selection(), c.selection);
    EXPECT_EQ(order.Deleted(), c.op == Op::Delete);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EntryOrderMoveTest,
    testing::Values(MoveCase{"UpFromFirstDoesNothing", 0, Op::Up, {"0", "1", "2"}, 0},
                    MoveCase{"UpFromMiddle", 1, Op::Up, {"1", "0", "2"}, 0},
                    MoveCase{"UpFromLast", 2, Op::Up, {"0", "2", "1"}, 1},
                    MoveCase{"DownFromFirst", 0, Op::Down, {"1", "0", "2"}, 1},
                    MoveCase{"DownFromMiddle", 1, Op::Down, {"0", "2", "1"}, 2},
                    MoveCase{"DownFromLastDoesNothing", 2, Op::Down, {"0", "1", "2"}, 2},
                    MoveCase{"DeleteFirstSelectsNewFirst", 0, Op::Delete, {"1", "2"}, 0},
                    MoveCase{"DeleteMiddleSelectsAbove", 1, Op::Delete, {"0", "2"}, 0},
                    MoveCase{"DeleteLastSelectsAbove", 2, Op::Delete, {"0", "1"}, 1}),
    [](const testing::TestParamInfo<MoveCase>& info) { return info.param.name; });

TEST(EntryOrder, RowsTravelWithTheirTitlesAndPaths)
{
    EntryOrder order(kThree);
    order.Select(2);
    order.MoveUp();
    order.MoveUp();
    ASSERT_EQ(Keys(order), (std::vector<std::string>{"2", "0", "1"}));
    EXPECT_EQ(order.Rows()[0].title, "two");
    EXPECT_EQ(order.Rows()[0].path, "C:\\2");
}

TEST(EntryOrder, DeletingTheOnlyRowLeavesNoSelection)
{
    EntryOrder order(IniEntries{{"0", "a|C:\\a"}});
    order.Select(0);
    EXPECT_TRUE(order.DeleteSelected());
    EXPECT_TRUE(order.Rows().empty());
    EXPECT_EQ(order.Selection(), -1);
    EXPECT_FALSE(order.DeleteSelected());
}

TEST(EntryOrder, ButtonsWithoutSelectionDoNothing)
{
    EntryOrder order(kThree);
    for (int bad : {-1, 3, 99})
        order.Select(bad);
    EXPECT_FALSE(order.MoveUp());
    EXPECT_FALSE(order.MoveDown());
    EXPECT_FALSE(order.DeleteSelected());
    EXPECT_FALSE(order.UpdateSelected("t", "p"));
    EXPECT_EQ(Keys(order), (std::vector<std::string>{"0", "1", "2"}));
    EXPECT_FALSE(order.Deleted());
}

TEST(EntryOrder, SectionKeepsTitlesAndPathsAndFillsInTheBar)
{
    const EntryOrder order(IniEntries{{"0", "D:\\plain"}, {"1", "a|b|c"}, {"2", "-|"}});
    EXPECT_EQ(order.SectionEntries(),
              (IniEntries{{"0", "|D:\\plain"}, {"1", "a|b|c"}, {"2", "-|"}}));
}

class EntryOrderFileTest : public testing::Test {
protected:
    test::MemoryProfileScope files_;
};

TEST_F(EntryOrderFileTest, KeyOneMovedUpIsWrittenAsOneZeroTwoInOneWrite)
{
    files_.SetSubmenu("[K]\n0=zero|C:\\0\n1=one|C:\\1\n2=two|C:\\2\n[KE]\n1=1|12|-1|-1|-1\n");
    EntryOrder order = EntryOrder::Load("K");
    order.Select(1);
    order.MoveUp();
    files_.Store().ClearWrites();
    ASSERT_TRUE(order.Save("K"));

    EXPECT_EQ(files_.Store().Writes().size(), 1u);
    EXPECT_EQ(files_.Submenu(), test::Crlf("[K]\n1=one|C:\\1\n0=zero|C:\\0\n2=two|C:\\2\n"
                                           "[KE]\n1=1|12|-1|-1|-1\n"));
}

TEST_F(EntryOrderFileTest, SaveDropsFreeSlotsAndDeletedRows)
{
    files_.SetSubmenu("[K]\n0=zero|C:\\0\n4=\n1=one|C:\\1\n[KE]\n0=1\n");
    EntryOrder order = EntryOrder::Load("K");
    order.Select(0);
    order.DeleteSelected();
    order.Save("K");
    EXPECT_EQ(files_.Submenu(), test::Crlf("[K]\n1=one|C:\\1\n[KE]\n0=1\n"));
}

TEST_F(EntryOrderFileTest, DeleteThenCancelLeavesTheFileAlone)
{
    const std::string before = "[K]\n0=zero|C:\\0\n1=one|C:\\1\n";
    files_.SetSubmenu(before);
    files_.Store().ClearWrites();
    EntryOrder order = EntryOrder::Load("K");
    order.Select(1);
    order.DeleteSelected();
    order.Select(0);
    order.MoveDown();

    EXPECT_TRUE(order.Deleted());
    EXPECT_TRUE(files_.Store().Writes().empty());
    EXPECT_EQ(files_.Submenu(), test::Crlf(before));
}

TEST_F(EntryOrderFileTest, EmptyListLeavesNoSection)
{
    files_.SetSubmenu("[K]\n0=\n[KE]\n0=1\n");
    const EntryOrder order = EntryOrder::Load("K");
    EXPECT_TRUE(order.Rows().empty());
    order.Save("K");
    EXPECT_EQ(files_.Submenu(), test::Crlf("[KE]\n0=1\n"));
}

TEST_F(EntryOrderFileTest, HandMadeKeysComeBackUnchanged)
{
    files_.SetSubmenu("[K]\n05=a|C:\\a\na,b=b|C:\\b\nx=c|C:\\c\n");
    EntryOrder order = EntryOrder::Load("K");
    order.Select(2);
    order.MoveUp();
    order.Save("K");
    EXPECT_EQ(files_.Submenu(), test::Crlf("[K]\n05=a|C:\\a\nx=c|C:\\c\na,b=b|C:\\b\n"));
}

TEST_F(EntryOrderFileTest, ChangedPropertiesAddressTheRowsOwnKey)
{
    files_.SetSubmenu("[K]\n5=five|C:\\5\n05=zero-five|C:\\05\n0=zero|C:\\0\n");
    EntryOrder order = EntryOrder::Load("K");
    order.Select(1);

    // "속성변경": the dialog is opened for the row's key name, saves, and the row follows.
    const OrderRow& row = order.Rows()[order.Selection()];
    FolderEntryEditor editor("K", row.key);
    FolderEntryEdit edit;
    edit.fields = editor.Read("");
    edit.fields.title = "renamed|with bar";
    ASSERT_EQ(editor.Save(edit), FolderEntryEditor::SaveResult::Saved);
    order.UpdateSelected(edit.fields.title, edit.fields.path);

    // Cancel now: the edit is in the file and its key went last.
    EXPECT_EQ(files_.Submenu(),
              test::Crlf("[K]\n5=five|C:\\5\n0=zero|C:\\0\n05=renamed|with bar|C:\\05\n"
                         "[KE]\n05=\n"));

    // OK instead: the list order is restored and the value is kept as it was saved.
    order.Save("K");
    EXPECT_EQ(files_.Submenu(),
              test::Crlf("[K]\n5=five|C:\\5\n05=renamed|with bar|C:\\05\n0=zero|C:\\0\n"
                         "[KE]\n05=\n"));
    EXPECT_EQ(order.Rows()[1].title, "renamed|with bar");
}

}  // namespace
}  // namespace quorbel
