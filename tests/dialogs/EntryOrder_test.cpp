#include "dialogs/EntryOrder.h"

#include <gtest/gtest.h>

#include "dialogs/FolderEntryEditor.h"
#include "tests/support/MemoryProfile.h"

namespace quorbel {
namespace {

using Texts = std::vector<std::string>;

Texts Keys(const EntryOrder& order)
{
    Texts keys;
    for (const OrderRow& row : order.Rows())
        keys.push_back(row.key);
    return keys;
}

TEST(EntryOrder, ListsNonEmptyEntriesWithTitlesAndWritesThemBack)
{
    const EntryOrder order(
        IniEntries{{"3", "Docs|D:\\Docs"}, {"1", ""}, {"0", "D:\\plain"}, {"7", "a|b|c"}});
    EXPECT_EQ(Keys(order), (Texts{"3", "0", "7"}));
    EXPECT_EQ(order.Rows()[1].title, "");
    EXPECT_EQ(order.Rows()[2].title, "a");
    EXPECT_FALSE(order.HasSelection());
    // A value without "|" comes back as "|" and the whole value; free slots go.
    EXPECT_EQ(order.SectionEntries(),
              (IniEntries{{"3", "Docs|D:\\Docs"}, {"0", "|D:\\plain"}, {"7", "a|b|c"}}));
}

TEST(EntryOrder, ButtonsMoveAndDeleteTheSelectedRow)
{
    enum class Op { Up, Down, Delete };
    struct {
        int selected;
        Op op;
        Texts keys;
        int selection;
    } const cases[] = {
        {0, Op::Up, {"0", "1", "2"}, 0},   {1, Op::Up, {"1", "0", "2"}, 0},
        {2, Op::Up, {"0", "2", "1"}, 1},   {0, Op::Down, {"1", "0", "2"}, 1},
        {2, Op::Down, {"0", "1", "2"}, 2}, {0, Op::Delete, {"1", "2"}, 0},
        {1, Op::Delete, {"0", "2"}, 0},    {2, Op::Delete, {"0", "1"}, 1},
    };
    for (const auto& c : cases) {
        EntryOrder order(IniEntries{{"0", "a|A"}, {"1", "b|B"}, {"2", "c|C"}});
        order.Select(c.selected);
        const bool acted = c.op == Op::Up     ? order.MoveUp()
                           : c.op == Op::Down ? order.MoveDown()
                                              : order.DeleteSelected();
        EXPECT_TRUE(acted);
        EXPECT_EQ(Keys(order), c.keys) << c.selected;
        EXPECT_EQ(order.Selection(), c.selection) << c.selected;
        EXPECT_EQ(order.Deleted(), c.op == Op::Delete);
    }

    EntryOrder single(IniEntries{{"0", "a|A"}});
    single.Select(5);  // no such row: nothing selected
    EXPECT_FALSE(single.MoveUp() || single.MoveDown() || single.DeleteSelected() ||
                 single.UpdateSelected("t", "p"));
    single.Select(0);
    EXPECT_TRUE(single.DeleteSelected());
    EXPECT_EQ(single.Selection(), -1);
}

class EntryOrderFileTest : public testing::Test {
protected:
    test::MemoryProfileScope files_;
};

TEST_F(EntryOrderFileTest, KeysZeroOneTwoReorderedToOneZeroTwoInOneWrite)
{
    files_.SetSubmenu("[K]\n0=zero|C:\\0\n5=\n1=one|C:\\1\n2=two|C:\\2\n[KE]\n1=1\n");
    EntryOrder order = EntryOrder::Load("K");
    order.Select(1);
    order.MoveUp();
    files_.Store().ClearWrites();
    ASSERT_TRUE(order.Save("K"));
    EXPECT_EQ(files_.Store().Writes().size(), 1u);
    EXPECT_EQ(files_.Submenu(), "[K]\n1=one|C:\\1\n0=zero|C:\\0\n2=two|C:\\2\n[KE]\n1=1\n");
}

TEST_F(EntryOrderFileTest, DeleteThenCancelWritesNothingAndOkDropsTheRow)
{
    files_.SetSubmenu("[K]\n0=zero|C:\\0\n1=one|C:\\1\n[KE]\n0=1\n");
    files_.Store().ClearWrites();
    EntryOrder order = EntryOrder::Load("K");
    order.Select(0);
    order.DeleteSelected();
    EXPECT_TRUE(order.Deleted());
    EXPECT_TRUE(files_.Store().Writes().empty());

    order.Save("K");
    EXPECT_EQ(files_.Submenu(), "[K]\n1=one|C:\\1\n[KE]\n0=1\n");
    order.Select(0);
    order.DeleteSelected();
    order.Save("K");
    EXPECT_EQ(files_.Submenu(), "[KE]\n0=1\n");  // an empty list leaves no section
}

TEST_F(EntryOrderFileTest, ChangedPropertiesStayWithTheRowsOwnKey)
{
    files_.SetSubmenu("[K]\n5=five|C:\\5\n05=zero-five|C:\\05\na,b=ab|C:\\ab\n");
    EntryOrder order = EntryOrder::Load("K");
    order.Select(1);

    // "속성변경" opens the dialog for the row's key name; it saves at once.
    const FolderEntryEditor editor("K", order.Rows()[1].key);
    FolderEntryFields fields = editor.Read("");
    fields.title = "new|title";
    ASSERT_EQ(editor.Save({fields, DecorationChoice{}, false}),
              FolderEntryEditor::SaveResult::Saved);
    order.UpdateSelected(fields.title, fields.path);

    // Cancel now would leave the saved edit, its key last in the section.
    EXPECT_EQ(files_.Submenu(), "[K]\n5=five|C:\\5\na,b=ab|C:\\ab\n05=new|title|C:\\05\n"
                                "[KE]\n05=\n");
    // OK puts the row back in list order, its value as saved, every key as it was.
    order.Save("K");
    EXPECT_EQ(files_.Submenu(), "[K]\n5=five|C:\\5\n05=new|title|C:\\05\na,b=ab|C:\\ab\n"
                                "[KE]\n05=\n");
}

}  // namespace
}  // namespace quorbel
