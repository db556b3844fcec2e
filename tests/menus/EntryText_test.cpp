#include "menus/EntryText.h"

#include <gtest/gtest.h>

#include "tests/support/CodePageScope.h"

namespace quorbel {
namespace {

// The menu goes to what follows the last "|", the dialog edits all after the first.
TEST(EntryText, SplitsLabelAndPathTheWayMenuAndDialogReadThem)
{
    const struct {
        const char *entry, *label, *menuPath, *editPath;
    } cases[] = {
        {"Projects|D:\\p", "Projects", "D:\\p", "D:\\p"}, {"D:\\no-bar", "", "D:\\no-bar", "D:\\no-bar"},
        {"a|b|c", "a", "c", "b|c"},                      {"-|", "-", "", ""},
        {"|", "", "", ""},                               {"", "", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EntryLabel(c.entry), c.label) << c.entry;
        EXPECT_EQ(EntryMenuPath(c.entry), c.menuPath) << c.entry;
        EXPECT_EQ(EntryEditPath(c.entry), c.editPath) << c.entry;
    }
}

TEST(EntryText, TrailBytesAreNoSeparatorsInCodePage932)
{
    // 0x83 0x7C and 0x95 0x5C are single Shift-JIS characters whose second byte is "|"
    // and "\" respectively; read byte by byte they would split.
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
