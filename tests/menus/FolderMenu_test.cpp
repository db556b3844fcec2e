#include "menus/FolderMenu.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "menus/FolderMenuActions.h"
#include "tests/support/ProgramFolder.h"

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

TEST(FolderMenu, RowsTakeIdsByPositionAndChoicesNameTheEntrysOwnKey)
{
    const FolderMenu menu(kEntries);
    // Entries start 20 pixels high; any decoration sets all five fields; "-" without
    // "|" is an empty label, not a separator; the management row is plain.
    std::vector<std::tuple<int, int, int, std::string>> rows;
    for (const FolderMenuRow& row : menu.Rows())
        rows.emplace_back(row.commandId, row.itemId, row.item.itemHeight, row.item.text);
    EXPECT_EQ(rows, (std::vector<std::tuple<int, int, int, std::string>>{
                        {1, 1, 20, "x"}, {0, 2, 20, "-"}, {3, 3, 30, "y"}, {4, 4, 0, ""}, {5, 5, 20, "a"},
                        {6, 6, 20, ""}, {1000, 1000, -1, ""}}));
    EXPECT_EQ(menu.Rows()[2].decoration, "1|12|30|255|0");

    const struct {
        int id;
        Kind kind;
        std::string key, path;
    } choices[] = {{0, Kind::Nothing, "", ""},          {1000, Kind::Manage, "", ""},
                   {1, Kind::Entry, "5", "C:\\x"},      {2, Kind::Nothing, "", ""},
                   {5, Kind::Entry, "x", "D:\\third"},  {6, Kind::Entry, "9", "-"},
                   {7, Kind::Nothing, "", ""},          {-1, Kind::Nothing, "", ""}};
    for (const auto& c : choices) {
        const FolderMenuChoice choice = menu.Interpret(c.id);
        EXPECT_EQ(std::tie(choice.kind, choice.key, choice.path), std::tie(c.kind, c.key, c.path)) << c.id;
    }
    EXPECT_EQ(FolderMenu(SubmenuEntries{}).Interpret(1000).kind, Kind::Nothing);
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

// The painter finds rows by id in the registry: the last menu shown must stay there.
TEST(FolderMenu, RegisterReplacesTheLastMenuUnlessThisOneIsEmpty)
{
    MenuItemRegistry registry;
    registry.Store(77, FolderMenuItem{});
    FolderMenu(kEntries).Register(registry);
    FolderMenuItem found;
    EXPECT_FALSE(registry.Lookup(77, found));
    EXPECT_TRUE(registry.Lookup(2, found)) << "separators are stored under their position";
    ASSERT_TRUE(registry.Lookup(3, found));
    EXPECT_TRUE(found.bold);
    EXPECT_TRUE(registry.Lookup(1000, found));

    FolderMenu(SubmenuEntries{}).Register(registry);
    EXPECT_TRUE(registry.Lookup(3, found));
}

class RecordedActions : public FolderMenuActions {
public:
    void ChangeDirectory(const std::string& path) override { calls.push_back("cd " + path); }
    void ReloadButtons() override { calls.push_back("reload"); }
    void OpenOrderDialog(const std::string& key) override { calls.push_back("order " + key); }
    std::vector<std::string> calls;
};

// Ctrl removes an entry by the key as the file spells it: "05" and "x" are not "5" and "0".
TEST(FolderMenu, ChoicesActAndCtrlEmptiesExactlyTheChosenKey)
{
    test::ProgramFolder folder;
    const std::string file = "[K]\n5=five|C:\\5\n05=oh five|C:\\05\nx=odd|C:\\x\n0=zero|C:\\0\n[KE]\n05=1\n";
    folder.WriteSubmenu(file);
    const FolderMenu menu(LoadSubmenu("K"));
    RecordedActions actions;
    for (bool ctrl : {false, true}) {
        ActOnFolderMenuChoice(menu.Interpret(0), ctrl, "K", actions);
        ActOnFolderMenuChoice(menu.Interpret(1000), ctrl, "K", actions);
    }
    ActOnFolderMenuChoice(menu.Interpret(2), false, "K", actions);
    EXPECT_EQ(test::ReadFileBytes(folder.SubmenuIni()), test::Crlf(file));

    ActOnFolderMenuChoice(menu.Interpret(2), true, "K", actions);
    ActOnFolderMenuChoice(menu.Interpret(3), true, "K", actions);
    EXPECT_EQ(actions.calls, (std::vector<std::string>{"order K", "order K", "cd C:\\05", "reload", "reload"}));
    // Emptied, not deleted: a free slot, and the decoration stays.
    EXPECT_EQ(test::ReadFileBytes(folder.SubmenuIni()),
              test::Crlf("[K]\n5=five|C:\\5\n05=\nx=\n0=zero|C:\\0\n[KE]\n05=1\n"));
    EXPECT_EQ(LoadSubmenu("K").keys, (std::vector<std::string>{"5", "0"}));
}

}  // namespace
}  // namespace quorbel
