#include "menus/EntryText.h"

#include <gtest/gtest.h>

#include "tests/support/CodePageScope.h"

namespace quorbel {
namespace {

struct EntryCase {
    const char* entry;
    const char* label;
    const char* menuPath;
    const char* editPath;
    bool separator;
};

class EntryTextTest : public testing::TestWithParam<EntryCase> {};

TEST_P(EntryTextTest, SplitsLabelAndPath)
{
    const EntryCase& c = GetParam();
    EXPECT_EQ(EntryLabel(c.entry), c.label);
    EXPECT_EQ(EntryMenuPath(c.entry), c.menuPath);
    EXPECT_EQ(EntryEditPath(c.entry), c.editPath);
    EXPECT_EQ(IsSeparatorLabel(EntryLabel(c.entry)), c.separator);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, EntryTextTest,
    testing::Values(
        EntryCase{"Projects|D:\\work\\projects", "Projects", "D:\\work\\projects",
                  "D:\\work\\projects", false},
        EntryCase{"D:\\no-bar", "", "D:\\no-bar", "D:\\no-bar", false},
        EntryCase{"a|b|c", "a", "c", "b|c", false},
        EntryCase{"-|", "-", "", "", true},
        EntryCase{"-|anything", "-", "anything", "anything", true},
        EntryCase{"-", "", "-", "-", false},
        EntryCase{"--|x", "--", "x", "x", false},
        EntryCase{" -|x", " -", "x", "x", false},
        EntryCase{"|", "", "", "", false},
        EntryCase{"", "", "", "", false},
        EntryCase{"|D:\\x", "", "D:\\x", "D:\\x", false}));

TEST(EntryText, TrailByteBarIsPartOfTheLabelInCodePage932)
{
    // 0x83 0x7C is one character; the real separator follows it.
    const std::string entry = "\x83\x7C|C:\\x";
    EXPECT_EQ(EntryLabel(entry, LeadByteTable::SingleByte()), "\x83");

    test::CodePageScope japanese(932);
    EXPECT_EQ(EntryLabel(entry), "\x83\x7C");
    EXPECT_EQ(EntryMenuPath(entry), "C:\\x");
    EXPECT_EQ(EntryEditPath(entry), "C:\\x");
    EXPECT_EQ(EntryMenuPath("a|C:\\\x83\x7C"), "C:\\\x83\x7C");
}

struct FolderNameCase {
    const char* path;
    const char* name;
};

class FolderNameTest : public testing::TestWithParam<FolderNameCase> {};

TEST_P(FolderNameTest, IsTheLastPathPart)
{
    EXPECT_EQ(FolderName(GetParam().path), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Paths, FolderNameTest,
                         testing::Values(FolderNameCase{"C:\\Data\\Work", "Work"},
                                         FolderNameCase{"D:\\work", "work"},
                                         FolderNameCase{"Work", "Work"},
                                         FolderNameCase{"C:\\", ""},
                                         FolderNameCase{"\\\\server\\share", "share"},
                                         FolderNameCase{"", ""}));

TEST(FolderName, TrailByteBackslashIsNoSeparatorInCodePage932)
{
    // 0x95 0x5C is one Shift-JIS character (a kanji) whose second byte is "\".
    const std::string path = "D:\\\x95\x5C";
    EXPECT_EQ(FolderName(path, LeadByteTable::SingleByte()), "");

    test::CodePageScope japanese(932);
    EXPECT_EQ(FolderName(path), "\x95\x5C");
}

TEST(JoinEntry, PutsOneBarBetween)
{
    EXPECT_EQ(JoinEntry("Docs", "D:\\Docs"), "Docs|D:\\Docs");
    EXPECT_EQ(JoinEntry("", "D:\\Docs"), "|D:\\Docs");
    EXPECT_EQ(JoinEntry("Docs", ""), "Docs|");
}

}  // namespace
}  // namespace quorbel
