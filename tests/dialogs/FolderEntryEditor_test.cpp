#include "dialogs/FolderEntryEditor.h"

#include <gtest/gtest.h>

#include "tests/support/CodePageScope.h"
#include "tests/support/MemoryProfile.h"

namespace quorbel {
namespace {

TEST(EntryFields, SplitTheValueOrNameTheNewFolder)
{
    struct {
        const char *value, *newPath, *title, *path;
    } const cases[] = {
        {"Docs|D:\\Docs", "", "Docs", "D:\\Docs"}, {"D:\\plain", "E:\\x", "", "D:\\plain"},
        {"a|b|c", "", "a", "b|c"},                 {"", "C:\\Data\\Work", "Work", "C:\\Data\\Work"},
        {"", "Work", "Work", "Work"},              {"", "C:\\", "", "C:\\"},
    };
    for (const auto& c : cases) {
        const FolderEntryFields fields = EntryFields(c.value, c.newPath);
        EXPECT_EQ(fields.title, c.title) << c.value << c.newPath;
        EXPECT_EQ(fields.path, c.path) << c.value << c.newPath;
    }

    test::CodePageScope japanese(932);  // 0x95 0x5C: one character ending in "\"
    EXPECT_EQ(EntryFields("", "D:\\\x95\x5C").title, "\x95\x5C");
    EXPECT_FALSE(TitleAccepted("a,b"));
    EXPECT_TRUE(TitleAccepted("a|b"));
}

class FolderEntryEditorTest : public testing::Test {
protected:
    static FolderEntryEdit Edit(const char* title, const char* path, const char* decoration,
                                bool makeDefault = false)
    {
        return {{title, path}, DecorationChoice::FromText(decoration), makeDefault};
    }

    test::MemoryProfileScope files_;
};

TEST_F(FolderEntryEditorTest, ReadsTheEntryOrNamesTheNewFolder)
{
    files_.SetSubmenu("[K]\n3=Docs|D:\\Docs\n4=\n");
    EXPECT_EQ(FolderEntryEditor("K", "3").Read("E:\\dropped").title, "Docs");
    for (const char* key : {"4", "5"}) {
        const FolderEntryFields fresh = FolderEntryEditor("K", key).Read("E:\\dropped");
        EXPECT_EQ(fresh.title, "dropped");
        EXPECT_EQ(fresh.path, "E:\\dropped");
    }
}

TEST_F(FolderEntryEditorTest, OffersTheEntrysOwnDecorationOrTheDefault)
{
    struct {
        const char *entry, *main, *offered;
    } const cases[] = {
        {"", "default=1|12|25|0|-1\n", "1|12|25|0|-1"},     // absent: the default
        {"0=\n", "default=1|12|25|0|-1\n", ""},              // empty: undecorated
        {"0=0|-1|30|-1|255\n", "default=1|12|25|0|-1\n", "0|-1|30|-1|255"},
        {"0=-1\n", "default=1|9|-1|-1|-1\n", "1|9|-1|-1|-1"},  // "-1" reads as absent
        {"", "", ""},
        {"", "default=\n", ""},
    };
    for (const auto& c : cases) {
        files_.SetSubmenu(std::string("[K]\n0=a|C:\\a\n[KE]\n") + c.entry);
        files_.SetMain(std::string("[main]\n") + c.main);
        EXPECT_EQ(FolderEntryEditor("K", "0").OfferedDecoration().Stored(), c.offered)
            << c.entry << c.main;
    }
}

TEST_F(FolderEntryEditorTest, SaveMovesTheEntryLastThenWritesDecorationAndDefault)
{
    files_.SetSubmenu("[K]\n0=a|C:\\a\n1=b|C:\\b\n2=c|C:\\c\n");
    files_.SetMain("[main]\nsize=0\n");
    files_.Store().ClearWrites();
    EXPECT_EQ(FolderEntryEditor("K", "1").Save(Edit("Docs", "D:\\Docs", "1|12|25|0|-1", true)),
              FolderEntryEditor::SaveResult::Saved);

    std::string order;
    for (const auto& w : files_.Store().Writes())
        order += w.section + "/" + w.key + (w.removes ? "- " : " ");
    EXPECT_EQ(order, "K/1- K/1 KE/1 main/default ");
    EXPECT_EQ(files_.Submenu(), "[K]\n0=a|C:\\a\n2=c|C:\\c\n1=Docs|D:\\Docs\n"
                                "[KE]\n1=1|12|25|0|-1\n");
    EXPECT_EQ(files_.Main(), "[main]\nsize=0\ndefault=1|12|25|0|-1\n");

    // Undecorated: empty text for the entry, and for the default only when asked.
    FolderEntryEditor("K", "1").Save(Edit("Docs", "D:\\Docs", ""));
    EXPECT_EQ(files_.Main(), "[main]\nsize=0\ndefault=1|12|25|0|-1\n");
    FolderEntryEditor("K", "1").Save(Edit("", "", "", true));
    EXPECT_EQ(files_.Submenu(), "[K]\n0=a|C:\\a\n2=c|C:\\c\n1=|\n[KE]\n1=\n");
    EXPECT_EQ(files_.Main(), "[main]\nsize=0\ndefault=\n");
}

TEST_F(FolderEntryEditorTest, OfferedDefaultBecomesTheEntrysOwnOnOk)
{
    files_.SetMain("[main]\ndefault=1|12|25|0|-1\n");
    files_.SetSubmenu("[K]\n0=a|C:\\a\n");
    const FolderEntryEditor editor("K", "0");
    editor.Save({editor.Read(""), editor.OfferedDecoration(), false});
    EXPECT_EQ(files_.Submenu(), "[K]\n0=a|C:\\a\n[KE]\n0=1|12|25|0|-1\n");
}

TEST_F(FolderEntryEditorTest, RefusedTitleWritesNothingAndKeysAreTakenAsNamed)
{
    files_.SetSubmenu("[K]\n5=five|C:\\5\n05=other|C:\\05\n");
    files_.Store().ClearWrites();
    EXPECT_EQ(FolderEntryEditor("K", "05").Save(Edit("a,b", "C:\\a", "1", true)),
              FolderEntryEditor::SaveResult::CommaInTitle);
    EXPECT_TRUE(files_.Store().Writes().empty());

    FolderEntryEditor("K", "05").Save(Edit("renamed", "C:\\05", "1"));
    EXPECT_EQ(files_.Submenu(), "[K]\n5=five|C:\\5\n05=renamed|C:\\05\n"
                                "[KE]\n05=1|-1|-1|0|0\n");
}

}  // namespace
}  // namespace quorbel
