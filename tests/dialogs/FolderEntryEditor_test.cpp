#include "dialogs/FolderEntryEditor.h"

#include <gtest/gtest.h>

#include "config/IniSection.h"
#include "tests/support/CodePageScope.h"
#include "tests/support/MemoryProfile.h"
#include "tests/support/TestFiles.h"

namespace quorbel {
namespace {

using Write = test::MemoryProfile::Write;
using Kind = Write::Kind;

struct FieldsCase {
    const char* value;
    const char* newPath;
    const char* title;
    const char* path;
};

class EntryFieldsTest : public testing::TestWithParam<FieldsCase> {};

TEST_P(EntryFieldsTest, SplitsTheValueOrNamesTheNewFolder)
{
    const FolderEntryFields fields = EntryFields(GetParam().value, GetParam().newPath);
    EXPECT_EQ(fields.title, GetParam().title);
    EXPECT_EQ(fields.path, GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(
    Values, EntryFieldsTest,
    testing::Values(FieldsCase{"Docs|D:\\Docs", "", "Docs", "D:\\Docs"},
                    FieldsCase{"D:\\plain", "E:\\ignored", "", "D:\\plain"},
                    FieldsCase{"a|b|c", "", "a", "b|c"},
                    FieldsCase{"-|", "", "-", ""},
                    FieldsCase{"", "C:\\Data\\Work", "Work", "C:\\Data\\Work"},
                    FieldsCase{"", "Work", "Work", "Work"},
                    FieldsCase{"", "C:\\", "", "C:\\"},
                    FieldsCase{"", "", "", ""}));

TEST(EntryFields, DoubleByteTextInCodePage932)
{
    test::CodePageScope japanese(932);
    // 0x95 0x5C and 0x83 0x7C are single characters whose second byte is "\" and "|".
    EXPECT_EQ(EntryFields("", "D:\\\x95\x5C").title, "\x95\x5C");
    const FolderEntryFields fields = EntryFields("\x83\x7C|D:\\x", "");
    EXPECT_EQ(fields.title, "\x83\x7C");
    EXPECT_EQ(fields.path, "D:\\x");
}

TEST(TitleAccepted, RefusesAComma)
{
    EXPECT_TRUE(TitleAccepted("Docs"));
    EXPECT_TRUE(TitleAccepted(""));
    EXPECT_TRUE(TitleAccepted("a|b"));
    EXPECT_FALSE(TitleAccepted("a,b"));
    EXPECT_FALSE(TitleAccepted(","));
}

class FolderEntryEditorTest : public testing::Test {
protected:
    std::string Read(const std::string& section, const std::string& key) const
    {
        return IniSection(section, files_.SubmenuPath()).ReadString(key.c_str(), "absent");
    }
    std::string Default() const
    {
        return IniSection("main", files_.MainPath()).ReadString("default", "absent");
    }
    static FolderEntryEdit Edit(const char* title, const char* path, const char* decoration,
                                bool makeDefault = false)
    {
        FolderEntryEdit edit;
        edit.fields = {title, path};
        edit.decoration = DecorationChoice::FromText(decoration);
        edit.makeDefault = makeDefault;
        return edit;
    }

    test::MemoryProfileScope files_;
};

TEST_F(FolderEntryEditorTest, ReadsTheEntryOrNamesTheNewFolder)
{
    files_.SetSubmenu("[K]\n3=Docs|D:\\Docs\n4=\n");
    const FolderEntryFields stored = FolderEntryEditor("K", "3").Read("E:\\dropped");
    EXPECT_EQ(stored.title, "Docs");
    EXPECT_EQ(stored.path, "D:\\Docs");

    for (const char* key : {"4", "5"}) {
        const FolderEntryFields fresh = FolderEntryEditor("K", key).Read("E:\\dropped");
        EXPECT_EQ(fresh.title, "dropped");
        EXPECT_EQ(fresh.path, "E:\\dropped");
    }
}

struct OfferCase {
    const char* name;
    std::string submenu;
    std::string main;
    bool decorate;
    std::string text;  // what the offered choice stores
};

class OfferedDecorationTest : public FolderEntryEditorTest,
                              public testing::WithParamInterface<OfferCase> {};

TEST_P(OfferedDecorationTest, ComesFromTheEntryOrTheDefault)
{
    files_.SetSubmenu("[K]\n0=a|C:\\a\n[KE]\n" + GetParam().submenu);
    files_.SetMain("[main]\n" + GetParam().main);
    const DecorationChoice offered = FolderEntryEditor("K", "0").OfferedDecoration();
    EXPECT_EQ(offered.decorate, GetParam().decorate);
    EXPECT_EQ(offered.Stored(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Files, OfferedDecorationTest,
    testing::Values(
        OfferCase{"AbsentKeyTakesTheDefault", "", "default=1|12|25|0|-1\n", true, "1|12|25|0|-1"},
        OfferCase{"EmptyKeyIsUndecoratedDespiteADefault", "0=\n", "default=1|12|25|0|-1\n",
                  false, ""},
        OfferCase{"OwnDecorationWins", "0=0|-1|30|-1|255\n", "default=1|12|25|0|-1\n", true,
                  "0|-1|30|-1|255"},
        OfferCase{"MinusOneMeansAbsent", "0=-1\n", "default=1|9|-1|-1|-1\n", true,
                  "1|9|-1|-1|-1"},
        OfferCase{"NoDefaultNoDecoration", "", "", false, ""},
        OfferCase{"EmptyDefault", "", "default=\n", false, ""}),
    [](const testing::TestParamInfo<OfferCase>& info) { return info.param.name; });

TEST_F(FolderEntryEditorTest, SaveWritesEntryThenDecorationThenDefault)
{
    files_.SetSubmenu("[K]\n0=a|C:\\a\n1=b|C:\\b\n2=c|C:\\c\n");
    files_.Store().ClearWrites();
    const auto result =
        FolderEntryEditor("K", "1").Save(Edit("Docs", "D:\\Docs", "1|12|25|0|-1", true));
    EXPECT_EQ(result, FolderEntryEditor::SaveResult::Saved);

    const auto& w = files_.Store().Writes();
    ASSERT_EQ(w.size(), 4u);
    EXPECT_EQ(w[0].kind, Kind::RemoveKey);
    EXPECT_EQ(w[0].section, "K");
    EXPECT_EQ(w[1].kind, Kind::Value);
    EXPECT_EQ(w[1].section, "K");
    EXPECT_EQ(w[2].section, "KE");
    EXPECT_EQ(w[3].section, "main");
    EXPECT_EQ(w[3].key, "default");

    // The edited entry is now the last key, and so the last row of its menu.
    EXPECT_EQ(files_.Submenu(), test::Crlf("[K]\n0=a|C:\\a\n2=c|C:\\c\n1=Docs|D:\\Docs\n"
                                           "[KE]\n1=1|12|25|0|-1\n"));
    EXPECT_EQ(Default(), "1|12|25|0|-1");
}

TEST_F(FolderEntryEditorTest, UndecoratedStoresEmptyAndMayClearTheDefault)
{
    files_.SetMain("[main]\ndefault=1|12|25|0|-1\n");
    FolderEntryEditor("K", "0").Save(Edit("a", "C:\\a", ""));
    EXPECT_EQ(Read("KE", "0"), "");
    EXPECT_EQ(Default(), "1|12|25|0|-1");

    FolderEntryEditor("K", "0").Save(Edit("a", "C:\\a", "", true));
    EXPECT_EQ(Default(), "");
}

TEST_F(FolderEntryEditorTest, OfferedDefaultBecomesTheEntrysOwn)
{
    files_.SetMain("[main]\ndefault=1|12|25|0|-1\n");
    files_.SetSubmenu("[K]\n0=a|C:\\a\n");
    const FolderEntryEditor editor("K", "0");
    FolderEntryEdit edit;
    edit.fields = editor.Read("");
    edit.decoration = editor.OfferedDecoration();
    editor.Save(edit);
    EXPECT_EQ(Read("KE", "0"), "1|12|25|0|-1");
}

TEST_F(FolderEntryEditorTest, TitleWithACommaWritesNothing)
{
    files_.SetSubmenu("[K]\n0=a|C:\\a\n");
    files_.Store().ClearWrites();
    EXPECT_EQ(FolderEntryEditor("K", "0").Save(Edit("a,b", "C:\\a", "1", true)),
              FolderEntryEditor::SaveResult::CommaInTitle);
    EXPECT_TRUE(files_.Store().Writes().empty());
}

TEST_F(FolderEntryEditorTest, EmptyTitlesAndBarsAreStoredAsTyped)
{
    FolderEntryEditor("K", "0").Save(Edit("", "", ""));
    FolderEntryEditor("K", "1").Save(Edit("a|b", "C:\\x", ""));
    EXPECT_EQ(Read("K", "0"), "|");
    EXPECT_EQ(Read("K", "1"), "a|b|C:\\x");
}

TEST_F(FolderEntryEditorTest, HandMadeKeyIsEditedUnderItsOwnName)
{
    files_.SetSubmenu("[K]\n5=five|C:\\5\n05=other|C:\\05\nx=ex|C:\\x\n");
    FolderEntryEditor("K", "05").Save(Edit("renamed", "C:\\05", "1"));
    FolderEntryEditor("K", "x").Save(Edit("ex2", "C:\\x", ""));
    EXPECT_EQ(Read("K", "5"), "five|C:\\5");
    EXPECT_EQ(Read("K", "05"), "renamed|C:\\05");
    EXPECT_EQ(Read("K", "x"), "ex2|C:\\x");
    EXPECT_EQ(Read("K", "0"), "absent");
    EXPECT_EQ(Read("KE", "5"), "absent");
}

}  // namespace
}  // namespace quorbel
