#include "menus/FolderMenu.h"

#include <gtest/gtest.h>

#include "tests/support/MemoryProfile.h"

namespace quorbel {
namespace {

using Kind = FolderMenuChoice::Kind;

SubmenuEntries Entries(std::initializer_list<std::array<const char*, 3>> rows)
{
    SubmenuEntries entries;
    for (const auto& [key, text, decoration] : rows) {
        entries.keys.push_back(key);
        entries.texts.push_back(text);
        entries.decorations.push_back(decoration);
    }
    return entries;
}

// x at key 5, a separator at key 2, y at key 0, in that file order; then the odd ones.
const SubmenuEntries kEntries = Entries({{"5", "x|C:\\x", ""},
                                         {"2", "-|anything", ""},
                                         {"0", "y|C:\\y", "1|12|30|255|0"},
                                         {"7", "D:\\plain", "1"},
                                         {"x", "a|b|D:\\third", ""},
                                         {"9", "-", ""}});

TEST(FolderMenu, RowsTakeIdsByPositionAndSeparatorsAnswerZero)
{
    const FolderMenu menu(kEntries);
    std::vector<int> commands, items;
    for (const FolderMenuRow& row : menu.Rows()) {
        commands.push_back(row.commandId);
        items.push_back(row.itemId);
    }
    EXPECT_EQ(commands, (std::vector<int>{1, 0, 3, 4, 5, 6, 1000}));
    EXPECT_EQ(items, (std::vector<int>{1, 2, 3, 4, 5, 6, 1000}));
    EXPECT_TRUE(menu.Rows()[1].separator);
    EXPECT_FALSE(menu.Rows()[5].separator);  // "-" without "|" has an empty label
    EXPECT_EQ(menu.Rows()[5].item.text, "");
}

struct ChoiceCase {
    int id;
    Kind kind;
    const char* key;
    const char* path;
};

class FolderMenuChoiceTest : public testing::TestWithParam<ChoiceCase> {};

TEST_P(FolderMenuChoiceTest, NamesTheEntryByItsOwnKey)
{
    const FolderMenuChoice choice = FolderMenu(kEntries).Interpret(GetParam().id);
    EXPECT_EQ(choice.kind, GetParam().kind);
    EXPECT_EQ(choice.key, GetParam().key);
    EXPECT_EQ(choice.path, GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(Ids, FolderMenuChoiceTest,
                         testing::Values(ChoiceCase{0, Kind::Nothing, "", ""},
                                         ChoiceCase{1000, Kind::Manage, "", ""},
                                         ChoiceCase{1, Kind::Entry, "5", "C:\\x"},
                                         ChoiceCase{2, Kind::Nothing, "", ""},
                                         ChoiceCase{3, Kind::Entry, "0", "C:\\y"},
                                         ChoiceCase{4, Kind::Entry, "7", "D:\\plain"},
                                         ChoiceCase{5, Kind::Entry, "x", "D:\\third"},
                                         ChoiceCase{6, Kind::Entry, "9", "-"},
                                         ChoiceCase{7, Kind::Nothing, "", ""},
                                         ChoiceCase{-1, Kind::Nothing, "", ""}));

TEST(FolderMenu, EntriesStartAt20PixelsAndManagementRowIsPlain)
{
    const FolderMenu menu(kEntries);
    const FolderMenuItem& plain = menu.Rows()[0].item;
    EXPECT_EQ(plain.text, "x");
    EXPECT_EQ(plain.itemHeight, 20);
    EXPECT_EQ(plain.fontSize, -1);
    EXPECT_EQ(plain.backgroundColour, -1);

    EXPECT_EQ(menu.Rows()[2].item.itemHeight, 30);
    EXPECT_EQ(menu.Rows()[2].decoration, "1|12|30|255|0");
    EXPECT_EQ(menu.Rows()[3].item.itemHeight, 0);  // any decoration sets all five fields

    const FolderMenuItem& manage = menu.Rows().back().item;
    EXPECT_EQ(manage.itemHeight, -1);
    EXPECT_EQ(manage.fontSize, -1);
    EXPECT_EQ(manage.textColour, -1);
    EXPECT_EQ(FixedRowLabel(1000), L"[순서/삭제/제목변경]");
    EXPECT_TRUE(FixedRowLabel(1).empty());
}

TEST(FolderMenu, RegisterReplacesTheLastMenuUnlessThisOneIsEmpty)
{
    MenuItemRegistry registry;
    registry.Store(77, FolderMenuItem{});
    FolderMenu(kEntries).Register(registry);

    FolderMenuItem item;
    EXPECT_FALSE(registry.Lookup(77, item));
    ASSERT_TRUE(registry.Lookup(2, item));  // separators are stored under their position
    ASSERT_TRUE(registry.Lookup(3, item));
    EXPECT_TRUE(item.bold);
    ASSERT_TRUE(registry.Lookup(1000, item));

    const FolderMenu empty(SubmenuEntries{});
    EXPECT_TRUE(empty.Empty());
    EXPECT_TRUE(empty.Rows().empty());
    EXPECT_EQ(empty.Interpret(1000).kind, Kind::Nothing);
    empty.Register(registry);
    EXPECT_TRUE(registry.Lookup(3, item));
}

TEST(FolderMenu, MenusLongerThan999EntriesStopBeforeTheManagementId)
{
    SubmenuEntries entries;
    for (int i = 0; i < 1200; ++i) {
        entries.keys.push_back(std::to_string(i));
        entries.texts.push_back("e|C:\\e");
        entries.decorations.emplace_back();
    }
    const FolderMenu menu(entries);
    ASSERT_EQ(menu.Rows().size(), 1000u);
    EXPECT_EQ(menu.Rows()[998].commandId, 999);
    EXPECT_EQ(menu.Interpret(1000).kind, Kind::Manage);
    EXPECT_EQ(menu.Interpret(999).key, "998");
}

TEST(FolderMenu, CtrlChoiceEmptiesExactlyTheChosenHandMadeKey)
{
    test::MemoryProfileScope files;
    files.SetSubmenu("[K]\n5=five|C:\\5\n05=zero-five|C:\\05\nx=ex|C:\\x\n0=zero|C:\\0\n"
                     "[KE]\n05=1\n");
    ClearSubmenuEntry("K", FolderMenu(LoadSubmenu("K")).Interpret(2).key);
    ClearSubmenuEntry("K", FolderMenu(LoadSubmenu("K")).Interpret(2).key);  // now "x"
    EXPECT_EQ(files.Submenu(), "[K]\n5=five|C:\\5\n05=\nx=\n0=zero|C:\\0\n[KE]\n05=1\n");
}

}  // namespace
}  // namespace quorbel
