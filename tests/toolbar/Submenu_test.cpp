#include "toolbar/Submenu.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/support/MemoryProfile.h"

namespace quorbel {
namespace {

TEST(ReadSubmenu, SkipsFreeSlotsAndKeepsTheThreeListsInStep)
{
    const std::map<std::string, std::string> entries{
        {"5", "a|C:\\a"}, {"2", "-|"}, {"0", "b|C:\\b"}, {"7", ""}};
    const std::map<std::string, std::string> decorations{{"0", "1|12|-1|-1|255"}, {"7", "1"}};
    const auto read = [](const std::map<std::string, std::string>& m) {
        return [&m](const std::string& key) {
            const auto found = m.find(key);
            return found == m.end() ? std::string() : found->second;
        };
    };

    const SubmenuEntries submenu =
        ReadSubmenu({"5", "7", "2", "0", "9"}, read(entries), read(decorations));

    EXPECT_EQ(submenu.keys, (std::vector<std::string>{"5", "2", "0"}));
    EXPECT_EQ(submenu.texts, (std::vector<std::string>{"a|C:\\a", "-|", "b|C:\\b"}));
    EXPECT_EQ(submenu.decorations, (std::vector<std::string>{"", "", "1|12|-1|-1|255"}));
}

TEST(LoadSubmenu, ReadsTheEntrySectionInFileOrderWithItsDecorations)
{
    test::MemoryProfileScope files;
    files.SetSubmenu("[K0]\n5=a|C:\\a\n2=-|\n0=b|C:\\b\n3=\n"
                     "[K0E]\n0=1|12|25|-1|255\n5=\n3=1\n"
                     "[K1]\n0=other|C:\\o\n");

    const SubmenuEntries submenu = LoadSubmenu("K0");
    EXPECT_EQ(submenu.keys, (std::vector<std::string>{"5", "2", "0"}));
    EXPECT_EQ(submenu.texts, (std::vector<std::string>{"a|C:\\a", "-|", "b|C:\\b"}));
    // "5" has an empty decoration, the separator "2" no decoration key at all.
    EXPECT_EQ(submenu.decorations, (std::vector<std::string>{"", "", "1|12|25|-1|255"}));

    EXPECT_EQ(LoadSubmenu("k0").keys, submenu.keys);  // names ignore letter case
}

TEST(LoadSubmenu, MissingOrEmptySectionsHaveNoEntries)
{
    test::MemoryProfileScope files;
    files.SetSubmenu("[Empty]\n0=\n1=\n");
    EXPECT_TRUE(LoadSubmenu("Empty").empty());
    EXPECT_TRUE(LoadSubmenu("Missing").empty());
}

TEST(ClearSubmenuEntry, LeavesAFreeSlotAndTheDecoration)
{
    test::MemoryProfileScope files;
    files.SetSubmenu("[K]\n0=a|C:\\a\n1=b|C:\\b\n[KE]\n0=1\n");
    ClearSubmenuEntry("K", "0");
    EXPECT_EQ(files.Submenu(), "[K]\r\n0=\r\n1=b|C:\\b\r\n[KE]\r\n0=1\r\n");
    EXPECT_EQ(LoadSubmenu("K").keys, (std::vector<std::string>{"1"}));
}

struct FreeKeyCase {
    const char* name;
    std::string section;
    std::optional<std::string> key;
};

class FirstFreeEntryKeyTest : public testing::TestWithParam<FreeKeyCase> {};

TEST_P(FirstFreeEntryKeyTest, IsTheLowestEmptyOfTwenty)
{
    test::MemoryProfileScope files;
    files.SetSubmenu("[K]\n" + GetParam().section);
    EXPECT_EQ(FirstFreeEntryKey("K"), GetParam().key);
}

std::string Filled(int from, int to, int except = -1)
{
    std::string lines;
    for (int k = from; k <= to; ++k)
        lines += std::to_string(k) + "=" + (k == except ? "" : "e|C:\\e") + "\n";
    return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Sections, FirstFreeEntryKeyTest,
    testing::Values(FreeKeyCase{"EmptySection", "", "0"},
                    FreeKeyCase{"EmptiedByRemoval", "0=a|C:\\a\n2=\n1=b|C:\\b\n", "2"},
                    FreeKeyCase{"GapInTheMiddle", Filled(0, 19, 7), "7"},
                    FreeKeyCase{"AllTwentyTaken", Filled(0, 19), std::nullopt},
                    FreeKeyCase{"KeysBeyondNineteenDoNotCount", Filled(1, 40), "0"},
                    FreeKeyCase{"HandMadeKeysAreOtherNames", "00=a|x\n01=b|y\n0=c|z\n", "1"}),
    [](const testing::TestParamInfo<FreeKeyCase>& info) { return info.param.name; });

TEST(FirstFreeEntryKey, ButtonWithoutSubmenuKeyHasNoPlaceForEntries)
{
    test::MemoryProfileScope files;
    EXPECT_EQ(FirstFreeEntryKey(""), std::nullopt);
}

}  // namespace
}  // namespace quorbel
