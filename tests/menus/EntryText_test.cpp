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
};

class EntryTextTest : public testing::TestWithParam<EntryCase> {};

TEST_P(EntryTextTest, SplitsLabelAndPath)
{
    const EntryCase& c = GetParam();
    EXPECT_EQ(EntryLabel(c.entry), c.label);
    EXPECT_EQ(EntryMenuPath(c.entry), c.menuPath);
    EXPECT_EQ(EntryEditPath(c.entry), c.editPath);
}

INSTANTIATE_TEST_SUITE_P(Entries, EntryTextTest,
                         testing::Values(EntryCase{"Projects|D:\\p", "Projects", "D:\\p", "D:\\p"},
                                         EntryCase{"D:\\no-bar", "", "D:\\no-bar", "D:\\no-bar"},
                                         EntryCase{"a|b|c", "a", "c", "b|c"},
                                         EntryCase{"-|", "-", "", ""},
                                         EntryCase{"-", "", "-", "-"},
                                         EntryCase{"|", "", "", ""}, EntryCase{"", "", "", ""}));

TEST(EntryText, OnlyExactlyMinusIsASeparator)
{
    EXPECT_TRUE(IsSeparatorLabel(EntryLabel("-|anything")));
    for (const char* entry : {"-", "--|x", " -|x", "- |x"})
        EXPECT_FALSE(IsSeparatorLabel(EntryLabel(entry))) << entry;
}

TEST(EntryText, FolderNameIsTheLastPathPart)
{
    EXPECT_EQ(FolderName("C:\\Data\\Work"), "Work");
    EXPECT_EQ(FolderName("Work"), "Work");
    EXPECT_EQ(FolderName("C:\\"), "");
}

TEST(EntryText, TrailBytesAreNoSeparatorsInCodePage932)
{
    // 0x83 0x7C and 0x95 0x5C are single Shift-JIS characters whose second byte is "|"
    // and "\" respectively.
    EXPECT_EQ(EntryLabel("\x83\x7C|C:\\x", LeadByteTable::SingleByte()), "\x83");
    EXPECT_EQ(FolderName("D:\\\x95\x5C", LeadByteTable::SingleByte()), "");

    test::CodePageScope japanese(932);
    EXPECT_EQ(EntryLabel("\x83\x7C|C:\\x"), "\x83\x7C");
    EXPECT_EQ(EntryEditPath("\x83\x7C|C:\\x"), "C:\\x");
    EXPECT_EQ(EntryMenuPath("a|C:\\\x83\x7C"), "C:\\\x83\x7C");
    EXPECT_EQ(FolderName("D:\\\x95\x5C"), "\x95\x5C");
}

}  // namespace
}  // namespace quorbel
