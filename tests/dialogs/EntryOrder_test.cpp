#include "dialogs/EntryOrder.h"

#include <gtest/gtest.h>

#include "tests/support/ProgramFolder.h"

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

TEST(EntryOrder, ListsNonEmptyEntriesAndWritesThemBack)
{
    const EntryOrder order(IniEntries{{"3", "Docs|D:\\Docs"}, {"1", ""}, {"0", "D:\\plain"}, {"7", "a|b|c"}});
    EXPECT_EQ(Keys(order), (Texts{"3", "0", "7"}));
    EXPECT_FALSE(order.HasSelection());
    // A value without "|" comes back as "|" and the whole value; free slots go. How a
    // value splits into title and path is EntryText's.
    EXPECT_EQ(order.SectionEntries(), (IniEntries{{"3", "Docs|D:\\Docs"}, {"0", "|D:\\plain"}, {"7", "a|b|c"}}));
}

TEST(EntryOrder, ButtonsMoveAndDeleteTheSelectedRow)
{
    enum class Op { Up, Down, Delete };
    const struct {
        int selected;
        Op op;
        Texts keys;
        int selection;
    } cases[] = {
        {0, Op::Up, {"0", "1", "2"}, 0},   {1, Op::Up, {"1", "0", "2"}, 0},
        {2, Op::Up, {"0", "2", "1"}, 1},   {0, Op::Down, {"1", "0", "2"}, 1},
        {2, Op::Down, {"0", "1", "2"}, 2}, {0, Op::Delete, {"1", "2"}, 0},
        {1, Op::Delete, {"0", "2"}, 0},    {2, Op::Delete, {"0", "1"}, 1},
    };
    for (const auto& c : cases) {
        EntryOrder order(IniEntries{{"0", "a|A"}, {"1", "b|B"}, {"2", "c|C"}});
        order.Select(c.selected);
        EXPECT_TRUE(c.op == Op::Up ? order.MoveUp() : c.op == Op::Down ? order.MoveDown() : order.DeleteSelected());
        EXPECT_EQ(Keys(order), c.keys) << c.selected;
        EXPECT_EQ(order.Selection(), c.selection) << c.selected;
        EXPECT_EQ(order.Deleted(), c.op == Op::Delete);
    }

    EntryOrder single(IniEntries{{"0", "a|A"}});
    single.Select(5);  // no such row: nothing selected
    EXPECT_FALSE(single.MoveUp() || single.MoveDown() || single.DeleteSelected() || single.UpdateSelected("t", "p"));
    single.Select(0);
    EXPECT_TRUE(single.DeleteSelected());
    EXPECT_EQ(single.Selection(), -1);
}

// The section is rewritten whole and in place: the menu is never gone from the file, and
// keys take their new order.
TEST(EntryOrder, OkWritesTheSectionWholeAndNothingReachesTheFileBefore)
{
    test::ProgramFolder folder;
    const auto submenu = [&] { return test::ReadFileBytes(folder.SubmenuIni()); };
    folder.WriteSubmenu("[K]\n0=zero|C:\\0\n5=\n1=one|C:\\1\n2=two|C:\\2\n[KE]\n1=1\n");
    EntryOrder order = EntryOrder::Load("K").value();
    order.Select(1);
    order.MoveUp();
    ASSERT_TRUE(order.Save("K"));
    const std::string reordered = test::Crlf("[K]\n1=one|C:\\1\n0=zero|C:\\0\n2=two|C:\\2\n[KE]\n1=1\n");
    EXPECT_EQ(submenu(), reordered);

    order.Select(0);
    order.DeleteSelected();
    EXPECT_EQ(submenu(), reordered) << "Cancel after a deletion has nothing to undo";
    order.Save("K");
    EXPECT_EQ(submenu(), test::Crlf("[K]\n0=zero|C:\\0\n2=two|C:\\2\n[KE]\n1=1\n"));
    order.DeleteSelected();
    order.DeleteSelected();
    EXPECT_TRUE(order.Save("K"));
    EXPECT_EQ(submenu(), test::Crlf("[KE]\n1=1\n")) << "an empty list leaves no section";
}

// OK writes back what was read: a hand-made entry longer than the buffers is read whole,
// and a menu with one too long to read whole is not taken into the dialog at all.
TEST(EntryOrder, LongEntriesAreReadWholeOrNotAtAll)
{
    test::ProgramFolder folder;
    const std::string longEntry = "t|" + std::string(30000, 'p');
    folder.WriteSubmenu("[K]\n0=" + longEntry + "\n[H]\n0=t|" + std::string(1400000, 'h') + "\n");
    EXPECT_EQ(EntryOrder::Load("K").value().SectionEntries(), (IniEntries{{"0", longEntry}}));
    EXPECT_FALSE(EntryOrder::Load("H"));
}

}  // namespace
}  // namespace quorbel
