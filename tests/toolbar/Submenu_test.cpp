#include "toolbar/Submenu.h"

#include <gtest/gtest.h>

#include "tests/support/ProgramFolder.h"

namespace quorbel {
namespace {

using Texts = std::vector<std::string>;

TEST(LoadSubmenu, EntriesInFileOrderWithTheirDecorations)
{
    test::ProgramFolder folder;
    folder.WriteSubmenu("[K0]\n5=a|C:\\a\n2=-|\n0=b|C:\\b\n3=\n"
                        "[K0E]\n0=1|12|25|-1|255\n5=\n3=1\n[Empty]\n0=\n");
    const SubmenuEntries submenu = LoadSubmenu("K0");
    EXPECT_EQ(submenu.keys, (Texts{"5", "2", "0"}));
    EXPECT_EQ(submenu.texts, (Texts{"a|C:\\a", "-|", "b|C:\\b"}));
    // "5" has an empty decoration, the separator "2" no decoration key at all.
    EXPECT_EQ(submenu.decorations, (Texts{"", "", "1|12|25|-1|255"}));
    EXPECT_TRUE(LoadSubmenu("Empty").empty());
    EXPECT_TRUE(LoadSubmenu("Missing").empty());
}

std::string Filled(int from, int to, int except = -1)
{
    std::string lines;
    for (int k = from; k <= to; ++k)
        lines += std::to_string(k) + "=" + (k == except ? "" : "e|C:\\e") + "\n";
    return lines;
}

TEST(FirstFreeEntryKey, IsTheLowestEmptyOfTwenty)
{
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"", "0"},
        {"0=a|C:\\a\n2=\n1=b|C:\\b\n", "2"},  // emptied by an earlier removal
        {Filled(0, 19, 7), "7"},
        {Filled(0, 19), std::nullopt},
        {Filled(1, 40), "0"},
        {"00=a|x\n01=b|y\n0=c|z\n", "1"},  // hand-made names are other keys
    };
    test::ProgramFolder folder;
    for (const auto& [section, key] : cases) {
        folder.WriteSubmenu("[K]\n" + section);
        EXPECT_EQ(FirstFreeEntryKey("K"), key) << section;
    }
    EXPECT_EQ(FirstFreeEntryKey(""), std::nullopt);
}

}  // namespace
}  // namespace quorbel
