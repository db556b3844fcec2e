#include "menus/FolderMenu.h"

#include <gtest/gtest.h>

#include "tests/support/MemoryProfile.h"

namespace quorbel {
namespace {

using Kind = FolderMenuChoice::Kind;

struct Entry {
    std::string key;
    std::string text;
    std::string decoration = "";
};

SubmenuEntries Entries(std::initializer_list<Entry> list)
{
    SubmenuEntries entries;
    for (const Entry& e : list) {
        entries.keys.push_back(e.key);
        entries.texts.push_back(e.text);
        entries.decorations.push_back(e.decoration);
    }
    return entries;
}

std::vector<int> CommandIds(const FolderMenu& menu)
{
    std::vector<int> ids;
    for (const FolderMenuRow& row : menu.Rows())
        ids.push_back(row.commandId);
    return ids;
}

TEST(FolderMenu, IdsFollowPositionsAndSeparatorsAnswerZero)
{
    // Keys 5, 2, 0 in that file order: x, a separator, y.
    const FolderMenu menu(Entries({{"5", "x|C:\\x"}, {"2", "-|"}, {"0", "y|C:\\y"}}));

    EXPECT_EQ(CommandIds(menu), (std::vector<int>{1, 0, 3, 1000}));
    ASSERT_EQ(menu.Rows().size(), 4u);
    EXPECT_FALSE(menu.Rows()[0].separator);
    EXPECT_TRUE(menu.Rows()[1].separator);
    EXPECT_EQ(menu.Rows()[1].itemId, 2);
    EXPECT_EQ(menu.Rows()[3].itemId, FolderMenu::kManageId);

    const FolderMenuChoice y = menu.Interpret(3);
    EXPECT_EQ(y.kind, Kind::Entry);
    EXPECT_EQ(y.key, "0");
    EXPECT_EQ(y.path, "C:\\y");
    EXPECT_EQ(menu.Interpret(1).key, "5");
}

struct ChoiceCase {
    int id;
    Kind kind;
    const char* key;
    const char* path;
};

class FolderMenuChoiceTest : public testing::TestWithParam<ChoiceCase> {};

TEST_P(FolderMenuChoiceTest, MeansWhatTheIdStandsFor)
{
    const FolderMenu menu(Entries({{"0", "docs|D:\\docs"},
                                   {"1", "-|ignored"},
                                   {"2", "D:\\plain"},
                                   {"3", "a|b|D:\\third"},
                                   {"4", "-"}}));
    const FolderMenuChoice choice = menu.Interpret(GetParam().id);
    EXPECT_EQ(choice.kind, GetParam().kind);
    EXPECT_EQ(choice.key, GetParam().key);
    EXPECT_EQ(choice.path, GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(
    Ids, FolderMenuChoiceTest,
    testing::Values(ChoiceCase{0, Kind::Nothing, "", ""},
                    ChoiceCase{1000, Kind::Manage, "", ""},
                    ChoiceCase{1, Kind::Entry, "0", "D:\\docs"},
                    ChoiceCase{2, Kind::Nothing, "", ""},  // a separator's position
                    ChoiceCase{3, Kind::Entry, "2", "D:\\plain"},
                    ChoiceCase{4, Kind::Entry, "3", "D:\\third"},
                    ChoiceCase{5, Kind::Entry, "4", "-"},  // "-" alone is no separator
                    ChoiceCase{6, Kind::Nothing, "", ""},
                    ChoiceCase{999, Kind::Nothing, "", ""},
                    ChoiceCase{-1, Kind::Nothing, "", ""}));

TEST(FolderMenu, EntryItemsStartAt20PixelsAndTakeTheirDecoration)
{
    const FolderMenu menu(Entries({{"0", "plain|C:\\p"},
                                   {"1", "fancy|C:\\f", "1|12|30|255|0"},
                                   {"2", "bold|C:\\b", "1"}}));
    const auto& rows = menu.Rows();

    EXPECT_EQ(rows[0].item.text, "plain");
    EXPECT_EQ(rows[0].item.itemHeight, 20);
    EXPECT_EQ(rows[0].item.fontSize, -1);
    EXPECT_EQ(rows[0].item.backgroundColour, -1);
    EXPECT_EQ(rows[0].item.textColour, -1);
    EXPECT_FALSE(rows[0].item.bold);

    EXPECT_TRUE(rows[1].item.bold);
    EXPECT_EQ(rows[1].item.fontSize, 120);
    EXPECT_EQ(rows[1].item.itemHeight, 30);
    EXPECT_EQ(rows[1].item.backgroundColour, 255);
    EXPECT_EQ(rows[1].item.textColour, 0);
    EXPECT_EQ(rows[1].decoration, "1|12|30|255|0");

    // Any decoration sets all five fields: the 20 pixels do not survive "1".
    EXPECT_EQ(rows[2].item.itemHeight, 0);
}

TEST(FolderMenu, ManagementRowIsUndecorated)
{
    const FolderMenu menu(Entries({{"0", "one|C:\\one"}}));
    ASSERT_EQ(menu.Rows().size(), 2u);  // one entry shows two rows
    const FolderMenuRow& manage = menu.Rows().back();
    EXPECT_EQ(manage.commandId, 1000);
    EXPECT_FALSE(manage.separator);
    EXPECT_EQ(manage.item.fontSize, -1);
    EXPECT_EQ(manage.item.itemHeight, -1);
    EXPECT_EQ(manage.item.backgroundColour, -1);
    EXPECT_EQ(manage.item.textColour, -1);
    EXPECT_FALSE(manage.item.bold);
    EXPECT_EQ(FixedRowLabel(1000), L"[순서/삭제/제목변경]");
    EXPECT_TRUE(FixedRowLabel(1).empty());
}

TEST(FolderMenu, NoEntriesMeansNoMenuAndTheRegistryKeepsItsRows)
{
    MenuItemRegistry registry;
    FolderMenuItem earlier;
    earlier.text = "earlier";
    registry.Store(1, earlier);

    const FolderMenu menu(Entries({}));
    EXPECT_TRUE(menu.Empty());
    EXPECT_TRUE(menu.Rows().empty());
    EXPECT_EQ(menu.Interpret(1000).kind, Kind::Nothing);
    menu.Register(registry);

    FolderMenuItem item;
    ASSERT_TRUE(registry.Lookup(1, item));
    EXPECT_EQ(item.text, "earlier");
}

TEST(FolderMenu, RegisterReplacesTheRowsOfTheLastMenu)
{
    MenuItemRegistry registry;
    registry.Store(77, FolderMenuItem{});
    const FolderMenu menu(
        Entries({{"0", "a|C:\\a"}, {"1", "-|"}, {"2", "b|C:\\b", "1"}}));
    menu.Register(registry);

    FolderMenuItem item;
    EXPECT_FALSE(registry.Lookup(77, item));
    ASSERT_TRUE(registry.Lookup(2, item));  // separators are stored under their position
    EXPECT_EQ(item.text, "-");
    ASSERT_TRUE(registry.Lookup(3, item));
    EXPECT_EQ(item.text, "b");
    EXPECT_TRUE(item.bold);
    ASSERT_TRUE(registry.Lookup(1000, item));
    EXPECT_EQ(item.itemHeight, -1);
}

TEST(FolderMenu, MenusLongerThan999EntriesAreCutBeforeTheManagementId)
{
    SubmenuEntries entries;
    for (int i = 0; i < 1200; ++i) {
        entries.keys.push_back(std::to_string(i));
        entries.texts.push_back("e|C:\\" + std::to_string(i));
        entries.decorations.emplace_back();
    }
    const FolderMenu menu(entries);

    ASSERT_EQ(menu.Rows().size(), 1000u);
    EXPECT_EQ(menu.Rows()[998].commandId, 999);
    EXPECT_EQ(menu.Rows().back().commandId, 1000);
    EXPECT_EQ(menu.Interpret(1000).kind, Kind::Manage);
    EXPECT_EQ(menu.Interpret(999).key, "998");
    EXPECT_EQ(menu.Interpret(1001).kind, Kind::Nothing);
}

TEST(FolderMenu, CtrlChoiceEmptiesExactlyTheChosenHandMadeKey)
{
    test::MemoryProfileScope files;
    files.SetSubmenu(
        "[K]\n5=five|C:\\5\n05=zero-five|C:\\05\nx=ex|C:\\x\n0=zero|C:\\0\n"
        "[KE]\n05=1|12|-1|-1|-1\n");

    for (const char* chosen : {"05", "x"}) {
        const FolderMenu menu(LoadSubmenu("K"));
        int id = 0;
        for (const FolderMenuRow& row : menu.Rows())
            if (menu.Interpret(row.commandId).key == chosen)
                id = row.commandId;
        ASSERT_NE(id, 0) << chosen;
        ClearSubmenuEntry("K", menu.Interpret(id).key);
    }

    EXPECT_EQ(files.Submenu(),
              "[K]\r\n5=five|C:\\5\r\n05=\r\nx=\r\n0=zero|C:\\0\r\n"
              "[KE]\r\n05=1|12|-1|-1|-1\r\n");
    EXPECT_EQ(LoadSubmenu("K").keys, (std::vector<std::string>{"5", "0"}));
}

}  // namespace
}  // namespace quorbel
