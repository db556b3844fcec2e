#include "toolbar/ButtonLoad.h"

#include <gtest/gtest.h>

#include <string>

#include "config/ConfigNames.h"
#include "config/IniSection.h"
#include "tests/support/ProgramFolder.h"

namespace quorbel {
namespace {

std::string Section(int n, const std::string& keys)
{
    return "[" + std::to_string(n) + "]\n" + keys;
}

std::string Folder(int n)
{
    return Section(n, "sFolderPath=C:\\f" + std::to_string(n) + "\nsubkey=K" + std::to_string(n) + "\n");
}

struct Loaded {
    ButtonLoad load;
    int reported = 0;
};

Loaded Load(const test::ProgramFolder& folder, const std::string& main)
{
    folder.WriteMain(main);
    Loaded loaded;
    loaded.load = LoadButtonModel([&] { ++loaded.reported; });
    return loaded;
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
        const Loaded loaded = Load(folder, c.main);
        EXPECT_EQ(loaded.load.hint, c.hint) << c.what;
        EXPECT_EQ(loaded.load.records.size(), c.buttons) << c.what;
        EXPECT_EQ(loaded.load.faces.size(), c.buttons) << c.what;
    }
}

TEST(LoadButtonModel, RejectedSectionKeepsItsPlaceAndImagesTellWhetherMenusHaveEntries)
{
    test::ProgramFolder folder;
    folder.WriteSubmenu("[K0]\n0=a|C:\\a\n[K3]\n0=\n1=\n");
    const Loaded loaded = Load(folder, "[main]\nsize=4\n" + Folder(0) + Section(1, "sButtonText=broken\n") +
                                          Section(2, "iCommand=2001\nsButtonText=cmd\nsubkey=K2\n") + Folder(3));
    ASSERT_EQ(loaded.load.records.size(), 4u);
    EXPECT_EQ(loaded.reported, 1);
    EXPECT_FALSE(loaded.load.records[1].valid);
    EXPECT_TRUE(loaded.load.faces[1].blank);
    EXPECT_EQ(loaded.load.faces[1].commandId, 0);
    // A command number alone makes a valid button; record k is always button k.
    EXPECT_TRUE(loaded.load.records[2].valid);
    EXPECT_EQ(loaded.load.records[2].command, 2001);
    EXPECT_EQ(loaded.load.faces[2].commandId, 102);
    EXPECT_EQ(loaded.load.records[3].folderPath, "C:\\f3");
    EXPECT_EQ(loaded.load.faces[3].commandId, 103);

    EXPECT_EQ(loaded.load.faces[0].image, kImageWithEntries);
    EXPECT_EQ(loaded.load.faces[2].image, kImageNoEntries);  // no section at all
    EXPECT_EQ(loaded.load.faces[3].image, kImageNoEntries);  // only free slots
}

TEST(LoadButtonModel, MissingSubmenuKeyIsMadeOnceAndKept)
{
    test::ProgramFolder folder;
    const std::string main = "[main]\nsize=3\n" + Section(0, "sFolderPath=C:\\a\n") + Section(1, "sButtonText=x\n");
    const Loaded first = Load(folder, main);
    const std::string key0 = IniSection("0", folder.MainIni()).ReadString(key::kSubmenuKey);
    const std::string key1 = IniSection("1", folder.MainIni()).ReadString(key::kSubmenuKey);
    // A UUID's text, or the 32 letters made where the platform has no UUIDs.
    EXPECT_TRUE(key0.size() == 36 || key0.size() == 32) << key0;
    EXPECT_FALSE(key1.empty()) << "a rejected section gets its key all the same";
    EXPECT_NE(key0, key1);
    EXPECT_EQ(first.load.records[0].submenuKey, key0);
    // A section that does not exist is not written into.
    EXPECT_EQ(IniSection("2", folder.MainIni()).ReadString(key::kSubmenuKey, "absent"), "absent");

    const ButtonLoad again = LoadButtonModel(nullptr);
    EXPECT_EQ(again.records[0].submenuKey, key0);
}

}  // namespace
}  // namespace quorbel
