#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/ConfigNames.h"
#include "config/IniSection.h"
#include "config/SectionOps.h"
#include "config/SubmenuKey.h"
#include "tests/support/MemoryProfile.h"
#include "tests/support/TestFiles.h"
#include "toolbar/ButtonInsertion.h"
#include "toolbar/ButtonSections.h"
#include "toolbar/DropPlan.h"
#include "toolbar/Submenu.h"

namespace quorbel {
namespace {

using Write = test::MemoryProfile::Write;

// A button section as the program writes it, in the order LoadButtons would leave it.
std::string Button(const std::string& name, int command = 0)
{
    return "sButtonText=" + name + "\nsFolderPath=D:\\" + name + "\n" +
           (command ? "iCommand=" + std::to_string(command) + "\n" : "") + "subkey=K" + name +
           "\n";
}

std::string Bar(const std::vector<std::string>& sections, const std::string& extra = "")
{
    std::string text = "[main]\nbGlue=1\nsize=" + std::to_string(sections.size()) + "\nx=40\n";
    for (std::size_t i = 0; i < sections.size(); ++i)
        text += "[" + std::to_string(i) + "]\n" + sections[i];
    return text + extra;
}

UuidText NewKey()
{
    return {UuidText::Status::Ok, "new-key"};
}

class ButtonSectionsTest : public testing::Test {
protected:
    ButtonSectionsTest() { SetUuidSourceForTesting(NewKey); }
    ~ButtonSectionsTest() override { SetUuidSourceForTesting(nullptr); }

    IniEntries Section(int n) const
    {
        return ReadSectionEntries(std::to_string(n), files_.MainPath());
    }
    std::string Caption(int n) const
    {
        return IniSection(std::to_string(n), files_.MainPath()).ReadString("sButtonText");
    }
    std::vector<std::string> Captions() const
    {
        std::vector<std::string> captions;
        for (int n = 0; n < ButtonCount(); ++n)
            captions.push_back(Caption(n));
        return captions;
    }
    // "key=value\n" lines as key/value pairs.
    static IniEntries Entries(const std::string& lines)
    {
        IniEntries entries;
        std::size_t at = 0;
        while (at < lines.size()) {
            const std::size_t end = lines.find('\n', at);
            const std::string line = lines.substr(at, end - at);
            const std::size_t equals = line.find('=');
            entries.emplace_back(line.substr(0, equals), line.substr(equals + 1));
            at = end + 1;
        }
        return entries;
    }

    test::MemoryProfileScope files_;
};

// ---- adding a dropped folder as a button -------------------------------------------

struct InsertCase {
    const char* name;
    int position;  // where the new button goes (the dropped-on button + 1)
    std::vector<std::string> captions;
};

class ButtonInsertionTest : public ButtonSectionsTest,
                            public testing::WithParamInterface<InsertCase> {};

TEST_P(ButtonInsertionTest, OpensTheGapAndWritesTheNewButton)
{
    files_.SetMain(Bar({Button("A"), Button("B"), Button("C")}));
    const ButtonInsertion insertion = ButtonInsertion::Insert(GetParam().position, "E:\\new");

    EXPECT_EQ(insertion.Position(), GetParam().position);
    EXPECT_EQ(Captions(), GetParam().captions);
    EXPECT_EQ(Section(GetParam().position),
              (IniEntries{{"sFolderPath", "E:\\new"}, {"sButtonText", "new"},
                          {"subkey", "new-key"}}));
    // The buttons behind it moved whole, subkey and all.
    for (int n = GetParam().position + 1; n < 4; ++n)
        EXPECT_EQ(Section(n), Entries(Button(GetParam().captions[n]))) << n;
}

TEST_P(ButtonInsertionTest, TakeBackRestoresTheFileExactly)
{
    const std::string before = Bar({Button("A"), Button("B", 12), Button("C")});
    files_.SetMain(before);
    ButtonInsertion::Insert(GetParam().position, "E:\\new").TakeBack();
    EXPECT_EQ(files_.Main(), test::Crlf(before));
}

INSTANTIATE_TEST_SUITE_P(
    Positions, ButtonInsertionTest,
    testing::Values(InsertCase{"AfterFirst", 1, {"A", "new", "B", "C"}},
                    InsertCase{"AfterMiddle", 2, {"A", "B", "new", "C"}},
                    InsertCase{"AfterLast", 3, {"A", "B", "C", "new"}},
                    InsertCase{"BeforeFirst", 0, {"new", "A", "B", "C"}}),
    [](const testing::TestParamInfo<InsertCase>& info) { return info.param.name; });

TEST_F(ButtonSectionsTest, DropOnTheLastButtonMovesNoSection)
{
    files_.SetMain(Bar({Button("A"), Button("B"), Button("C")}));
    files_.Store().ClearWrites();
    ButtonInsertion::Insert(3, "E:\\new");
    for (const Write& w : files_.Store().Writes())
        EXPECT_TRUE(w.section == "3" || w.section == "main") << w.section;
}

TEST_F(ButtonSectionsTest, EmptyBarGetsButtonZeroAndTakeBackLeavesNothing)
{
    const ButtonInsertion insertion = ButtonInsertion::Insert(0, "D:\\work");
    EXPECT_EQ(ButtonCount(), 1);
    EXPECT_EQ(Section(0),
              (IniEntries{{"sFolderPath", "D:\\work"}, {"sButtonText", "work"},
                          {"subkey", "new-key"}}));

    insertion.TakeBack();
    EXPECT_EQ(files_.Main(), "");
}

TEST_F(ButtonSectionsTest, DriveRootGetsAnEmptyCaption)
{
    ButtonInsertion::Insert(0, "C:\\");
    EXPECT_EQ(Caption(0), "");
    EXPECT_EQ(IniSection("0", files_.MainPath()).ReadString("sFolderPath"), "C:\\");
}

TEST_F(ButtonSectionsTest, CommandNumberTravelsWithItsButtonAndNeverStaysBehind)
{
    files_.SetMain(Bar({Button("A"), Button("B"), Button("C", 2019)}));
    ButtonInsertion::Insert(2, "E:\\new");

    const IniSection moved("3", files_.MainPath());
    EXPECT_EQ(moved.ReadInt("iCommand", 0), 2019);
    EXPECT_EQ(Caption(3), "C");
    const IniSection fresh("2", files_.MainPath());
    EXPECT_EQ(fresh.ReadString("iCommand", "absent"), "absent");
}

TEST_F(ButtonSectionsTest, StaleSectionBeyondTheCountDoesNotLeakIntoAMovedButton)
{
    // Section 3 lingers from an earlier deletion and was given a command by hand.
    files_.SetMain(
        Bar({Button("A"), Button("B"), Button("C")}, "[3]\n" + Button("old", 77) + "note=x\n"));
    ButtonInsertion::Insert(2, "E:\\new");
    EXPECT_EQ(Section(3), Entries(Button("C")));
}

TEST_F(ButtonSectionsTest, StaleSectionDoesNotLeakIntoTheNewButton)
{
    files_.SetMain(Bar({Button("A")}, "[1]\n" + Button("old", 77)));
    ButtonInsertion::Insert(1, "E:\\new");
    EXPECT_EQ(IniSection("1", files_.MainPath()).ReadString("iCommand", "absent"), "absent");
    EXPECT_EQ(Caption(1), "new");
}

TEST_F(ButtonSectionsTest, TakeBackRestoresStaleSectionsAndHandWrittenCount)
{
    const std::string before = "[main]\nsize=02\n[0]\n" + Button("A") + "[1]\n" + Button("B") +
                               "[2]\n" + Button("stale", 5) + "[other]\nk=v\n";
    files_.SetMain(before);
    ButtonInsertion::Insert(1, "E:\\new").TakeBack();
    EXPECT_EQ(files_.Main(), test::Crlf(before));
}

TEST_F(ButtonSectionsTest, TakeBackRemovesACountThatWasNotThere)
{
    const std::string before = "[main]\nbGlue=0\n";
    files_.SetMain(before);
    ButtonInsertion::Insert(0, "E:\\new").TakeBack();
    EXPECT_EQ(files_.Main(), test::Crlf(before));
}

TEST_F(ButtonSectionsTest, InsertPositionIsKeptWithinTheBar)
{
    files_.SetMain(Bar({Button("A"), Button("B")}));
    EXPECT_EQ(ButtonInsertion::Insert(9, "E:\\new").Position(), 2);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"A", "B", "new"}));
}

// ---- where a drop goes -----------------------------------------------------------------

struct DropCase {
    int hit;
    int count;
    bool ask;
    bool offerSubmenu;
    int anchor;
    int newPosition;
};

class PlanDropTest : public testing::TestWithParam<DropCase> {};

TEST_P(PlanDropTest, Decides)
{
    const DropCase& c = GetParam();
    const DropPlan plan = PlanDrop(c.hit, c.count);
    EXPECT_EQ(plan.askUser, c.ask);
    EXPECT_EQ(plan.offerSubmenu, c.offerSubmenu);
    EXPECT_EQ(plan.anchor, c.anchor);
    EXPECT_EQ(plan.newPosition, c.newPosition);
}

INSTANTIATE_TEST_SUITE_P(Drops, PlanDropTest,
                         testing::Values(DropCase{-1, 0, false, false, -1, 0},
                                         DropCase{0, 0, false, false, -1, 0},
                                         DropCase{4, 0, false, false, -1, 0},
                                         DropCase{0, 3, true, true, 0, 1},
                                         DropCase{1, 3, true, true, 1, 2},
                                         DropCase{2, 3, true, true, 2, 3},
                                         DropCase{-1, 3, true, false, 2, 3},
                                         DropCase{-7, 3, true, false, 2, 3},
                                         DropCase{3, 3, true, false, 2, 3},
                                         DropCase{-1, 1, true, false, 0, 1}));

TEST_F(ButtonSectionsTest, DropBesideTheButtonsChangesNoExistingSection)
{
    files_.SetMain(Bar({Button("A"), Button("B", 3), Button("C")}));
    const std::vector<IniEntries> before{Section(0), Section(1), Section(2)};

    const DropPlan plan = PlanDrop(-1, ButtonCount());
    ButtonInsertion::Insert(plan.newPosition, "E:\\new");

    for (int n = 0; n < 3; ++n)
        EXPECT_EQ(Section(n), before[n]) << n;
    EXPECT_EQ(Captions(), (std::vector<std::string>{"A", "B", "C", "new"}));
}

// ---- deleting a button -----------------------------------------------------------------

struct DeleteCase {
    const char* name;
    int position;
    std::vector<std::string> captions;
};

class DeleteButtonTest : public ButtonSectionsTest,
                         public testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteButtonTest, ClosesTheGapAndDropsTheFolderEntries)
{
    files_.SetMain(Bar({Button("A"), Button("B"), Button("C")}));
    files_.SetSubmenu("[KA]\n0=a|x\n[KB]\n0=b|y\n[KBE]\n0=1\n[KC]\n0=c|z\n");
    const std::string doomed = ButtonSubmenuKey(GetParam().position);

    ASSERT_TRUE(DeleteButton(GetParam().position, doomed));

    EXPECT_EQ(Captions(), GetParam().captions);
    for (int n = 0; n < 2; ++n)
        EXPECT_EQ(Section(n), Entries(Button(GetParam().captions[n]))) << n;
    EXPECT_EQ(Section(2), Entries(Button("C")));  // the old last section stays
    EXPECT_TRUE(LoadSubmenu(doomed).empty());
    EXPECT_EQ(IniSection(doomed + "E", files_.SubmenuPath()).ReadString("0", "absent"),
              doomed == "KB" ? "1" : "absent");
    for (const std::string& kept : GetParam().captions)
        EXPECT_FALSE(LoadSubmenu("K" + kept).empty()) << kept;
}

INSTANTIATE_TEST_SUITE_P(Positions, DeleteButtonTest,
                         testing::Values(DeleteCase{"First", 0, {"B", "C"}},
                                         DeleteCase{"Middle", 1, {"A", "C"}},
                                         DeleteCase{"Last", 2, {"A", "B"}}),
                         [](const testing::TestParamInfo<DeleteCase>& info) {
                             return info.param.name;
                         });

TEST_F(ButtonSectionsTest, DeletingTheLastButtonMovesNoSection)
{
    files_.SetMain(Bar({Button("A"), Button("B"), Button("C")}));
    files_.Store().ClearWrites();
    DeleteButton(2, "KC");
    for (const Write& w : files_.Store().Writes())
        EXPECT_TRUE(w.path == files_.SubmenuPath() || w.section == "main") << w.section;
}

TEST_F(ButtonSectionsTest, DeletingTheOnlyButtonLeavesAnEmptyBar)
{
    files_.SetMain(Bar({Button("A")}));
    ASSERT_TRUE(DeleteButton(0, "KA"));
    EXPECT_EQ(ButtonCount(), 0);
    EXPECT_EQ(IniSection("main", files_.MainPath()).ReadString("size"), "0");
}

TEST_F(ButtonSectionsTest, DeletedCommandButtonLeavesNoCommandOnItsSuccessor)
{
    files_.SetMain(Bar({Button("A", 5), Button("B")}));
    DeleteButton(0, "KA");
    EXPECT_EQ(Section(0), Entries(Button("B")));
    EXPECT_EQ(IniSection("0", files_.MainPath()).ReadInt("iCommand", 0), 0);
}

TEST_F(ButtonSectionsTest, DeleteOutsideTheCountChangesNothing)
{
    files_.SetMain(Bar({Button("A"), Button("B")}));
    files_.SetSubmenu("[KA]\n0=a|x\n");
    files_.Store().ClearWrites();
    EXPECT_FALSE(DeleteButton(-1, "KA"));
    EXPECT_FALSE(DeleteButton(2, "KA"));
    EXPECT_TRUE(files_.Store().Writes().empty());
}

TEST_F(ButtonSectionsTest, DeleteWithoutSubmenuKeyRemovesNoSubmenuSection)
{
    files_.SetMain(Bar({Button("A"), Button("B")}));
    files_.SetSubmenu("[]\n0=unnamed|x\n");
    DeleteButton(0, "");
    EXPECT_EQ(files_.Submenu(), "[]\r\n0=unnamed|x\r\n");
    EXPECT_EQ(Captions(), (std::vector<std::string>{"B"}));
}

TEST_F(ButtonSectionsTest, NegativeCountReadsAsAnEmptyBar)
{
    files_.SetMain("[main]\nsize=-4\n[0]\n" + Button("A"));
    EXPECT_EQ(ButtonCount(), 0);
    EXPECT_FALSE(DeleteButton(0, "KA"));
}

TEST_F(ButtonSectionsTest, MoveMakesAnExactCopyInOneWrite)
{
    files_.SetMain(
        "[0]\nsButtonText=A\nsFolderPath=D:\\A\n[1]\niCommand=9\nsButtonText=old\nx=1\n");
    files_.Store().ClearWrites();
    MoveButtonSection(0, 1);
    EXPECT_EQ(files_.Store().Writes().size(), 1u);
    EXPECT_EQ(files_.Main(), test::Crlf("[0]\nsButtonText=A\nsFolderPath=D:\\A\n"
                                        "[1]\nsButtonText=A\nsFolderPath=D:\\A\n"));
}

}  // namespace
}  // namespace quorbel
