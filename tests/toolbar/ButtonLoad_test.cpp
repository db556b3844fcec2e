#include "toolbar/ButtonLoad.h"

#include <gtest/gtest.h>

#include <string>

#include "config/ConfigNames.h"
#include "config/IniSection.h"
#include "tests/support/ProgramFolder.h"

namespace quorbel {
namespace {

std::string Folder(int n)
{
    return "[" + std::to_string(n) + "]\nsFolderPath=C:\\f" + std::to_string(n) + "\nsubkey=K" + std::to_string(n) + "\n";
}

TEST(LoadButtonModel, CountsOfEveryKind)
{
    test::ProgramFolder folder;
    std::string many = "[main]\nsize=" + std::to_string(kMaxButtons + 40) + "\n";
    for (int n = 0; n < kMaxButtons + 40; ++n)
        many += Folder(n);
    const struct {
        const char* what;
        std::string main;
        bool hint;
        std::size_t buttons;
    } cases[] = {
        {"no file", "", true, 0},
        {"size 0", "[main]\nsize=0\n" + Folder(0), true, 0},
        {"negative size", "[main]\nsize=-5\n" + Folder(0), true, 0},
        {"huge size: the sections that exist", "[main]\nsize=2000000000\n" + Folder(0) + Folder(1), false, 2},
        {"more sections than a bar holds", many, false, static_cast<std::size_t>(kMaxButtons)},
        {"trailing sections that do not exist", "[main]\nsize=5\n" + Folder(0) + Folder(1), false, 2},
        {"a gap inside the count stays a position", "[main]\nsize=3\n" + Folder(0) + Folder(2), false, 3},
    };
    for (const auto& c : cases) {
        folder.WriteMain(c.main);
        const ButtonLoad load = LoadButtonModel(nullptr);
        EXPECT_EQ(load.hint, c.hint) << c.what;
        EXPECT_EQ(load.records.size(), c.buttons) << c.what;
        EXPECT_EQ(load.faces.size(), c.buttons) << c.what;
    }
}

// Record k is always button k: a rejected section keeps its place as a blank button.
// A section without a key gets one, once, rejected or not; a gap is not written into.
TEST(LoadButtonModel, EverySectionKeepsItsPlaceAndGetsAKeyOnce)
{
    test::ProgramFolder folder;
    folder.WriteSubmenu("[K0]\n0=a|C:\\a\n[K4]\n0=\n1=\n");
    folder.WriteMain("[main]\nsize=5\n" + Folder(0) + "[1]\nsButtonText=broken\n[2]\niCommand=2001\n" + Folder(4));
    int reported = 0;
    const ButtonLoad load = LoadButtonModel([&] { ++reported; });
    ASSERT_EQ(load.records.size(), 5u);
    EXPECT_EQ(reported, 2) << "the broken section and the gap";
    EXPECT_FALSE(load.records[1].valid);
    EXPECT_TRUE(load.faces[1].blank);
    EXPECT_EQ(load.faces[1].commandId, 0);
    EXPECT_TRUE(load.records[2].valid) << "a command number alone makes a button";
    EXPECT_EQ(load.records[2].command, 2001);
    EXPECT_EQ(load.faces[2].commandId, 102);
    EXPECT_EQ(load.records[4].folderPath, "C:\\f4");
    // The image tells whether the button's menu has entries; free slots are none.
    EXPECT_EQ(load.faces[0].image, kImageWithEntries);
    EXPECT_EQ(load.faces[4].image, kImageNoEntries);

    const std::string key1 = IniSection("1", folder.MainIni()).ReadString(key::kSubmenuKey);
    const std::string key2 = IniSection("2", folder.MainIni()).ReadString(key::kSubmenuKey);
    EXPECT_TRUE(!key1.empty() && key1 != key2);
    EXPECT_EQ(load.records[2].submenuKey, key2);
    EXPECT_EQ(IniSection("3", folder.MainIni()).ReadString(key::kSubmenuKey, "absent"), "absent");
    EXPECT_EQ(LoadButtonModel(nullptr).records[2].submenuKey, key2);
}

}  // namespace
}  // namespace quorbel
