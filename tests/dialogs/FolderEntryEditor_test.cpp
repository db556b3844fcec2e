#include "dialogs/FolderEntryEditor.h"

#include <gtest/gtest.h>

#include "tests/support/ProgramFolder.h"

namespace quorbel {
namespace {

using test::Crlf;

TEST(EntryFields, SplitTheValueOrNameTheNewFolder)
{
    const struct {
        const char *value, *newPath, *title, *path;
    } cases[] = {
        {"Docs|D:\\Docs", "", "Docs", "D:\\Docs"}, {"D:\\plain", "E:\\x", "", "D:\\plain"},
        {"a|b|c", "", "a", "b|c"},                 {"", "C:\\Data\\Work", "Work", "C:\\Data\\Work"},
        {"", "Work", "Work", "Work"},              {"", "C:\\", "", "C:\\"},
    };
    for (const auto& c : cases) {
        const FolderEntryFields fields = EntryFields(c.value, c.newPath);
        EXPECT_EQ(fields.title, c.title) << c.value << c.newPath;
        EXPECT_EQ(fields.path, c.path) << c.value << c.newPath;
    }
    EXPECT_FALSE(TitleAccepted("a,b"));
    EXPECT_TRUE(TitleAccepted("a|b"));
}

class FolderEntryEditorTest : public testing::Test {
protected:
    std::string Submenu() const { return test::ReadFileBytes(folder_.SubmenuIni()); }
    std::string Main() const { return test::ReadFileBytes(folder_.MainIni()); }

    test::ProgramFolder folder_;
};

TEST_F(FolderEntryEditorTest, OffersTheEntrysOwnDecorationOrTheDefault)
{
    const struct {
        const char *entry, *main, *offered;
    } cases[] = {
        {"", "default=1|12|25|0|-1\n", "1|12|25|0|-1"},  // absent: the default
        {"0=\n", "default=1|12|25|0|-1\n", ""},           // empty: undecorated
        {"0=0|-1|30|-1|255\n", "default=1|12|25|0|-1\n", "0|-1|30|-1|255"},
        {"0=-1\n", "default=1|9|-1|-1|-1\n", "1|9|-1|-1|-1"},  // "-1" reads as absent
        {"", "", ""},
        {"", "default=\n", ""},
    };
    for (const auto& c : cases) {
        folder_.WriteSubmenu(std::string("[K]\n0=a|C:\\a\n[KE]\n") + c.entry);
        folder_.WriteMain(std::string("[main]\n") + c.main);
        EXPECT_EQ(FolderEntryEditor("K", "0").OfferedDecoration().Stored(), c.offered) << c.entry << c.main;
    }
}

// Under its own key: a hand-made "05" is never the "5" beside it.
TEST_F(FolderEntryEditorTest, SaveMovesTheEntryLastThenWritesDecorationAndDefault)
{
    folder_.WriteSubmenu("[K]\n5=five|C:\\5\n05=b|C:\\b\n2=c|C:\\c\n");
    folder_.WriteMain("[main]\nsize=0\n");
    const FolderEntryEditor editor("K", "05");
    EXPECT_EQ(editor.Save({{"Docs", "D:\\Docs"}, DecorationChoice::FromText("1|12|25|0|-1"), true}),
              FolderEntryEditor::SaveResult::Saved);
    EXPECT_EQ(Submenu(), Crlf("[K]\n5=five|C:\\5\n2=c|C:\\c\n05=Docs|D:\\Docs\n[KE]\n05=1|12|25|0|-1\n"));
    EXPECT_EQ(Main(), Crlf("[main]\nsize=0\ndefault=1|12|25|0|-1\n"));

    // Undecorated: empty text for the entry, and for the default only when asked.
    editor.Save({{"Docs", "D:\\Docs"}, DecorationChoice{}, false});
    EXPECT_EQ(Main(), Crlf("[main]\nsize=0\ndefault=1|12|25|0|-1\n"));
    editor.Save({{"", ""}, DecorationChoice{}, true});
    EXPECT_EQ(Submenu(), Crlf("[K]\n5=five|C:\\5\n2=c|C:\\c\n05=|\n[KE]\n05=\n"));
    EXPECT_EQ(Main(), Crlf("[main]\nsize=0\ndefault=\n"));
}

}  // namespace
}  // namespace quorbel
