#include "menus/KeyboardMenu.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace quorbel {
namespace {

using Kind = KeyboardMenuChoice::Kind;
using RowKind = FolderMenuChoice::Kind;

// Buttons 0 ("R&D") and 102 have the folder menu k: src, a separator, docs; 2 is blank, 101
// past a left click's reach. Each id reads back as its button or row.
TEST(KeyboardMenu, IdsAreUniqueAcrossTheMenuAndReadBackAsTheirRows)
{
    std::vector<FolderButton> buttons(103);
    for (std::size_t p = 0; p < buttons.size(); ++p)
        buttons[p] = FolderButton{"b" + std::to_string(p), "C:\\b", 0, p % 102 ? "none" : "k", p != 2};
    buttons[0].caption = "R&D";
    const SubmenuEntries rows{{"0", "1", "2"}, {"src|C:\\src", "-|", "docs|C:\\docs"}, {"", "", "1"}};
    const KeyboardMenu menu(buttons, [&](const std::string& key) { return key == "k" ? rows : SubmenuEntries{}; });
    ASSERT_EQ(menu.Items().size(), 101u);
    EXPECT_EQ(menu.Items()[0].label + "," + menu.Items()[9].label + "," + menu.Items()[10].label, "&1 R&&D,&0 b10,b11");
    EXPECT_EQ(menu.Items().back().position, 102);

    const std::tuple<RowKind, std::string, std::string> kRowChoices[] = {
        {RowKind::Entry, "0", "C:\\src"}, {}, {RowKind::Entry, "2", "C:\\docs"}, {RowKind::Manage, "", ""}};
    std::set<int> ids;
    for (const KeyboardMenuItem& item : menu.Items()) {
        const KeyboardMenuChoice plain = menu.Interpret(item.commandId);  // 0 for a submenu
        EXPECT_EQ(std::tie(plain.kind, plain.position),
                  item.rows.empty() ? std::make_tuple(Kind::Button, item.position) : std::make_tuple(Kind::Nothing, -1));
        ids.insert(item.commandId);
        for (std::size_t r = 0; r < item.rows.size(); ++r) {
            const int id = item.rows[r].itemId;
            const KeyboardMenuChoice c = menu.Interpret(id);
            EXPECT_TRUE(ids.insert(id).second && KeyboardMenu::IsManageId(id) == (r == 3)) << id;
            EXPECT_EQ(FixedRowLabel(id).empty(), r != 3) << "the painter's label";
            EXPECT_EQ(std::tie(c.row.kind, c.row.key, c.row.path), kRowChoices[r]) << id;
            EXPECT_EQ(std::to_string(c.position) + c.submenuKey, r == 1 ? "-1" : std::to_string(item.position) + "k");
        }
    }
    EXPECT_EQ(ids.size(), 99 + 2 * 4 + 1u) << "plain items, rows, and the submenus' 0";
    EXPECT_TRUE(ids.count(FolderMenu::kManageId) == 0 && *ids.rbegin() < 0x8000);

    // Forty buttons of 999 rows run out of ids part-way through the 28th.
    const KeyboardMenu cut(std::vector<FolderButton>(40, buttons[0]), [](const std::string&) {
        SubmenuEntries many;
        for (int i = 0; i < 999; ++i)
            many.keys.push_back("x"), many.texts.push_back("x|x"), many.decorations.emplace_back();
        return many;
    });
    ASSERT_EQ(cut.Items().size(), 28u);
    const std::vector<FolderMenuRow>& last = cut.Items().back().rows;
    EXPECT_EQ(std::make_pair(last.end()[-2].itemId, last.back().itemId), std::make_pair(0x6FFF, 0x7000 + 27));
}

}  // namespace
}  // namespace quorbel
