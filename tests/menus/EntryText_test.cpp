#include "menus/EntryText.h"

#include <gtest/gtest.h>

#include "tests/support/CodePageScope.h"

namespace quorbel {
namespace {

// The menu goes to what follows the last "|", the dialog edits all after the first. In
// code page 932, 0x83 0x7C and 0x95 0x5C are single characters whose second byte is "|"
// and "\" respectively.
TEST(EntryText, SplitsLabelAndPathTheWayMenuAndDialogReadThem)
{
    const struct {
        unsigned codePage;
        const char *entry, *label, *menuPath, *editPath;
    } cases[] = {
        {0, "Projects|D:\\p", "Projects", "D:\\p", "D:\\p"}, {0, "D:\\no-bar", "", "D:\\no-bar", "D:\\no-bar"},
        {0, "a|b|c", "a", "c", "b|c"},                      {0, "-|", "-", "", ""},
        {0, "|", "", "", ""},                               {0, "", "", "", ""},
        {932, "\x83\x7C|C:\\x", "\x83\x7C", "C:\\x", "C:\\x"},
        {932, "a|C:\\\x83\x7C", "a", "C:\\\x83\x7C", "C:\\\x83\x7C"},
    };
    for (const auto& c : cases) {
        const test::CodePageScope lead(c.codePage);
        EXPECT_EQ(EntryLabel(c.entry), c.label) << c.entry;
        EXPECT_EQ(EntryMenuPath(c.entry), c.menuPath) << c.entry;
        EXPECT_EQ(EntryEditPath(c.entry), c.editPath) << c.entry;
    }
    const test::CodePageScope japanese(932);
    EXPECT_EQ(FolderName("D:\\\x95\x5C"), "\x95\x5C");
}

}  // namespace
}  // namespace quorbel
