// The section operations over real files, through the store this build uses: ours
// natively, the platform's under Wine.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "config/IniSection.h"
#include "config/ProfileApi.h"
#include "config/SectionOps.h"
#include "tests/support/TestFiles.h"

namespace quorbel {
namespace {

using test::Crlf;
using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

std::vector<std::string> Keys(const std::string& section, const std::string& path)
{
    std::vector<std::string> keys{"left over"};
    EXPECT_TRUE(ListSectionKeys(section, path, keys));
    return keys;
}

TEST(ListSectionKeys, ListsOverTwentyThousandBytesOfNamesInFileOrder)
{
    TempDir dir;
    const std::string path = dir.File("SubFolder2.ini");
    std::string file = "[big]\r\n";
    std::vector<std::string> expected;
    // 4000 names of 9 characters: 40000 bytes, twice the first buffer.
    for (int n = 3999; n >= 0; --n) {
        expected.push_back("entry" + std::to_string(1000 + n));
        file += expected.back() + "=x|C:\\x\r\n";
    }
    ASSERT_TRUE(WriteFileBytes(path, file));
    EXPECT_EQ(Keys("big", path), expected);
    EXPECT_EQ(Keys("absent", path), std::vector<std::string>());
    EXPECT_EQ(Keys("big", dir.File("missing.ini")), std::vector<std::string>());
}

TEST(ListSectionNames, ListsEverySectionInFileOrder)
{
    TempDir dir;
    const std::string path = dir.File("Quorbel.ini");
    ASSERT_TRUE(WriteFileBytes(path, Crlf("[main]\nsize=2\n[1]\n[0]\n")));
    std::vector<std::string> names{"left over"};
    EXPECT_TRUE(ListSectionNames(path, names));
    EXPECT_EQ(names, (std::vector<std::string>{"main", "1", "0"}));
}

// Each case: the source and destination sections before the copy, and the file after.
struct CopyCase {
    const char* name;
    const char* before;
    bool emptyFirst;
    const char* after;
};

class CopySectionCases : public ::testing::TestWithParam<CopyCase> {};

TEST_P(CopySectionCases, WritesEverySourceKeyIntoTheDestination)
{
    TempDir dir;
    const std::string path = dir.File("Quorbel.ini");
    ASSERT_TRUE(WriteFileBytes(path, Crlf(GetParam().before)));
    CopySection("1", "0", path, GetParam().emptyFirst);
    EXPECT_EQ(ReadFileBytes(path), Crlf(GetParam().after));
}

INSTANTIATE_TEST_SUITE_P(
    Moves, CopySectionCases,
    ::testing::Values(
        // A button moved over one that has a key the source lacks: that key keeps its
        // value and its place; keys both have keep the destination's order.
        CopyCase{"DestinationOnlyKeyStays",
                 "[0]\nsubkey=K0\niCommand=5\nsButtonText=old\n[1]\nsButtonText=new\nsubkey=K1\n",
                 false,
                 "[0]\nsubkey=K1\niCommand=5\nsButtonText=new\n[1]\nsButtonText=new\nsubkey=K1\n"},
        CopyCase{"EmptyFirstDropsTheDestination",
                 "[0]\nsubkey=K0\niCommand=5\n[1]\nsButtonText=new\nsubkey=K1\n", true,
                 "[1]\nsButtonText=new\nsubkey=K1\n[0]\nsButtonText=new\nsubkey=K1\n"},
        CopyCase{"MissingDestinationIsAdded", "[1]\nsButtonText=b\nsFolderPath=C:\\b\n", false,
                 "[1]\nsButtonText=b\nsFolderPath=C:\\b\n[0]\nsButtonText=b\nsFolderPath=C:\\b\n"},
        CopyCase{"EmptyValuesAreCopiedAsEmpty", "[0]\niCommand=3\n[1]\niCommand=\n", false,
                 "[0]\niCommand=\n[1]\niCommand=\n"},
        CopyCase{"MissingSourceChangesNothing", "[0]\nsubkey=K0\n", false, "[0]\nsubkey=K0\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CopySection, CopiesLongValuesWhole)
{
    TempDir dir;
    const std::string path = dir.File("Quorbel.ini");
    const std::string path9k(9000, 'p');
    ASSERT_TRUE(WriteFileBytes(path, "[1]\r\nsFolderPath=" + path9k + "\r\n"));
    CopySection("1", "0", path, false);
    EXPECT_EQ(IniSection("0", path).ReadString("sFolderPath"), path9k);
}

TEST(ReplaceSection, RewritesTheSectionInPlaceInOrder)
{
    TempDir dir;
    const std::string path = dir.File("SubFolder2.ini");
    ASSERT_TRUE(WriteFileBytes(path, Crlf("[K]\n0=a|C:\\a\n1=b|C:\\b\n[KE]\n0=1|12|25|-1|255\n")));
    ASSERT_TRUE(ReplaceSection("K", {{"1", "b|C:\\b"}, {"0", "a|C:\\a"}, {"2", "-|"}}, path));
    EXPECT_EQ(ReadFileBytes(path), Crlf("[K]\n1=b|C:\\b\n0=a|C:\\a\n2=-|\n[KE]\n0=1|12|25|-1|255\n"));
    EXPECT_EQ(ReadSectionEntries("K", path),
              (IniEntries{{"1", "b|C:\\b"}, {"0", "a|C:\\a"}, {"2", "-|"}}));
}

TEST(IntegerRoundTrip, NegativeValuesReadBackUnchanged)
{
    TempDir dir;
    const IniSection main("main", dir.File("Quorbel.ini"));
    for (int value : {-250, -1, 0, 30, INT_MIN, INT_MAX}) {
        ASSERT_TRUE(main.WriteInt("iGlueX", value));
        EXPECT_EQ(main.ReadInt("iGlueX", 100), value);
    }
    EXPECT_EQ(main.ReadInt("iGlueY", 100), 100);
}

// A store whose key lists are always reported cut, in one of the two ways the platform
// reports it, and which counts how it is called.
class CutListProfile final : public ProfileApi {
public:
    explicit CutListProfile(std::uint32_t shortBy, std::uint32_t wholeFrom)
        : shortBy_(shortBy), wholeFrom_(wholeFrom) {}
    std::vector<std::uint32_t> sizes;
    int sectionWrites = 0;
    int keyWrites = 0;

    std::uint32_t GetString(const char*, const char*, const char*, char* buffer,
                            std::uint32_t size, const char*) override
    {
        sizes.push_back(size);
        if (size >= wholeFrom_) {
            std::memcpy(buffer, "a\0b\0", 5);
            return 4;
        }
        std::memset(buffer, 'x', size);
        std::memcpy(buffer + size - shortBy_ - 1, "\0\0", 2);
        return size - shortBy_;
    }
    std::uint32_t GetInt(const char*, const char*, std::int32_t fallback, const char*) override
    {
        return static_cast<std::uint32_t>(fallback);
    }
    bool WriteString(const char*, const char*, const char*, const char*) override
    {
        ++keyWrites;
        return true;
    }
    bool WriteSection(const char*, const char*, const char*) override
    {
        ++sectionWrites;
        return true;
    }

private:
    std::uint32_t shortBy_;
    std::uint32_t wholeFrom_;
};

class ProfileSwap {
public:
    explicit ProfileSwap(ProfileApi& api) { UseProfile(&api); }
    ~ProfileSwap() { UseProfile(nullptr); }
};

TEST(ListSectionKeys, DoublesTheBufferWhileTheListComesBackCut)
{
    CutListProfile profile(2, 80000);
    ProfileSwap swap(profile);
    EXPECT_EQ(Keys("s", "p"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(profile.sizes, (std::vector<std::uint32_t>{20000, 40000, 80000}));
}

TEST(ListSectionKeys, TakesALengthOfSizeMinusOneForCutToo)
{
    // The platform reports a list of double-byte names that it had to cut while
    // converting it with the size minus one, not minus two.
    CutListProfile profile(1, 40000);
    ProfileSwap swap(profile);
    EXPECT_EQ(Keys("s", "p"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(profile.sizes, (std::vector<std::uint32_t>{20000, 40000}));
}

TEST(ListSectionKeys, GivesUpWithAnEmptyListWhenTheBufferCannotGrowFurther)
{
    CutListProfile profile(2, UINT32_MAX);
    ProfileSwap swap(profile);
    std::vector<std::string> keys{"left over"};
    EXPECT_FALSE(ListSectionKeys("s", "p", keys));
    EXPECT_TRUE(keys.empty());
    ASSERT_EQ(profile.sizes.size(), 11u);
    EXPECT_EQ(profile.sizes.back(), 20000u << 10);
}

TEST(ReplaceSection, IsOneWriteOfTheFile)
{
    CutListProfile profile(2, 0);
    ProfileSwap swap(profile);
    EXPECT_TRUE(ReplaceSection("K", {{"0", "a|C:\\a"}, {"1", "b|C:\\b"}}, "p"));
    EXPECT_EQ(profile.sectionWrites, 1);
    EXPECT_EQ(profile.keyWrites, 0);
}

}  // namespace
}  // namespace quorbel
