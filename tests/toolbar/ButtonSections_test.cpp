#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/IniSection.h"
#include "config/SubmenuKey.h"
#include "tests/support/MemoryProfile.h"
#include "toolbar/ButtonInsertion.h"
#include "toolbar/ButtonSections.h"
#include "toolbar/DropPlan.h"
#include "toolbar/Submenu.h"

namespace quorbel {
namespace {

using Texts = std::vector<std::string>;

// The lines of a button section as the program writes them.
std::string Button(const std::string& name, int command = 0)
{
    return "sButtonText=" + name + "\nsFolderPath=D:\\" + name + "\n" +
           (command ? "iCommand=" + std::to_string(command) + "\n" : "") + "subkey=K" + name +
           "\n";
}

std::string As(int n, const std::string& lines)
{
    return "[" + std::to_string(n) + "]\n" + lines;
}

// "[main]" with the count, then the buttons as sections "0", "1", ...
std::string Bar(const Texts& buttons, const std::string& extra = "")
{
    std::string text = "[main]\nbGlue=1\nsize=" + std::to_string(buttons.size()) + "\nx=40\n";
    for (std::size_t i = 0; i < buttons.size(); ++i)
        text += As(static_cast<int>(i), buttons[i]);
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

    // Section n as it would stand alone, "[n]" and its lines.
    std::string Section(int n) const
    {
        const std::string all = files_.Main();
        const std::string head = "[" + std::to_string(n) + "]\n";
        const std::size_t at = all.find(head);
        return at == std::string::npos ? "" : all.substr(at, all.find('[', at + 1) - at);
    }
    Texts Captions() const
    {
        Texts captions;
        for (int n = 0; n < ButtonCount(); ++n)
            captions.push_back(IniSection(std::to_string(n), files_.MainPath())
                                   .ReadString("sButtonText", "?"));
        return captions;
    }

    test::MemoryProfileScope files_;
};

const std::string kNew = "sFolderPath=E:\\new\nsButtonText=new\nsubkey=new-key\n";

TEST_F(ButtonSectionsTest, InsertOpensTheGapAndTakeBackRestoresTheFileExactly)
{
    const std::vector<Texts> expected = {{"new", "A", "B", "C"},
                                         {"A", "new", "B", "C"},
                                         {"A", "B", "new", "C"},
                                         {"A", "B", "C", "new"}};
    for (int p = 0; p <= 3; ++p) {
        const std::string before = Bar({Button("A"), Button("B", 12), Button("C")});
        files_.SetMain(before);
        files_.Store().ClearWrites();
        const ButtonInsertion insertion = ButtonInsertion::Insert(p, "E:\\new");

        EXPECT_EQ(Captions(), expected[p]) << p;
        EXPECT_EQ(Section(p), As(p, kNew)) << p;
        EXPECT_EQ(Section(3), p == 3 ? As(3, kNew) : As(3, Button("C")));  // moved whole
        if (p == 3) {
            for (const auto& write : files_.Store().Writes())
                EXPECT_TRUE(write.section == "3" || write.section == "main") << write.section;
        }

        insertion.TakeBack();
        EXPECT_EQ(files_.Main(), before) << p;
    }
}

TEST_F(ButtonSectionsTest, EmptyBarGetsButtonZeroAndTakeBackLeavesNothing)
{
    const ButtonInsertion insertion = ButtonInsertion::Insert(0, "D:\\work");
    EXPECT_EQ(files_.Main(), "[0]\nsFolderPath=D:\\work\nsButtonText=work\nsubkey=new-key\n"
                             "[main]\nsize=1\n");
    insertion.TakeBack();
    EXPECT_EQ(files_.Main(), "");

    ButtonInsertion::Insert(0, "C:\\");  // a drive root gets an empty caption
    EXPECT_EQ(Captions(), (Texts{""}));
}

TEST_F(ButtonSectionsTest, TakeBackRestoresStaleSectionsAndTheCountAsWritten)
{
    for (const std::string& before :
         {"[main]\nsize=02\n" + As(0, Button("A")) + As(1, Button("B")) +
              As(2, Button("stale", 5)) + "[other]\nk=v\n",
          std::string("[main]\nbGlue=0\n")}) {
        files_.SetMain(before);
        ButtonInsertion::Insert(1, "E:\\new").TakeBack();
        EXPECT_EQ(files_.Main(), before);
    }
}

TEST_F(ButtonSectionsTest, CommandNumbersTravelWithTheirButtonsOnly)
{
    // C carries a command; section 3 lingers from a deletion with a hand-added command.
    files_.SetMain(Bar({Button("A"), Button("B"), Button("C", 2019)},
                       As(3, Button("old", 77)) + "note=x\n"));
    ButtonInsertion::Insert(2, "E:\\new");
    EXPECT_EQ(Section(3), As(3, Button("C", 2019)));
    EXPECT_EQ(Section(2), As(2, kNew));  // a folder button, no iCommand

    files_.SetMain(Bar({Button("A", 5), Button("B")}));
    DeleteButton(0, "KA");
    EXPECT_EQ(Section(0), As(0, Button("B")));  // B does not inherit A's command
}

TEST_F(ButtonSectionsTest, DeleteClosesTheGapAndDropsTheFolderEntries)
{
    const std::vector<Texts> expected = {{"B", "C"}, {"A", "C"}, {"A", "B"}};
    for (int i = 0; i < 3; ++i) {
        files_.SetMain(Bar({Button("A"), Button("B"), Button("C")}));
        files_.SetSubmenu("[KA]\n0=a|x\n[KB]\n0=b|y\n[KBE]\n0=1\n[KC]\n0=c|z\n");
        const std::string doomed = ButtonSubmenuKey(i);
        ASSERT_TRUE(DeleteButton(i, doomed));

        EXPECT_EQ(Captions(), expected[i]);
        EXPECT_EQ(Section(1), As(1, Button(expected[i][1])));
        EXPECT_EQ(Section(2), As(2, Button("C")));  // the old last section stays
        EXPECT_TRUE(LoadSubmenu(doomed).empty());
        for (const std::string& kept : expected[i])
            EXPECT_FALSE(LoadSubmenu("K" + kept).empty());
        EXPECT_NE(files_.Submenu().find("[KBE]"), std::string::npos);
    }

    files_.SetMain(Bar({Button("A")}));
    ASSERT_TRUE(DeleteButton(0, "KA"));
    EXPECT_EQ(files_.Main(), "[main]\nbGlue=1\nsize=0\nx=40\n" + As(0, Button("A")));
}

TEST_F(ButtonSectionsTest, DeleteOutsideTheCountOrWithoutKeyTouchesNoOtherSection)
{
    files_.SetMain(Bar({Button("A"), Button("B")}));
    files_.SetSubmenu("[]\n0=unnamed|x\n");
    files_.Store().ClearWrites();
    EXPECT_FALSE(DeleteButton(-1, "KA"));
    EXPECT_FALSE(DeleteButton(2, "KA"));
    EXPECT_TRUE(files_.Store().Writes().empty());

    DeleteButton(0, "");
    EXPECT_EQ(files_.Submenu(), "[]\n0=unnamed|x\n");

    files_.SetMain("[main]\nsize=-4\n" + As(0, Button("A")));
    EXPECT_EQ(ButtonCount(), 0);
    EXPECT_FALSE(DeleteButton(0, "KA"));
}

TEST(PlanDrop, DecidesWhereADroppedFolderCanGo)
{
    struct {
        int hit, count;
        bool ask, offerSubmenu;
        int anchor, newPosition;
    } const cases[] = {{-1, 0, false, false, -1, 0}, {4, 0, false, false, -1, 0},
                       {0, 3, true, true, 0, 1},     {2, 3, true, true, 2, 3},
                       // Beside the buttons: after the last one, where an insertion
                       // writes only the new section and the count (see above).
                       {-1, 3, true, false, 2, 3},   {3, 3, true, false, 2, 3},
                       {-7, 1, true, false, 0, 1}};
    for (const auto& c : cases) {
        const DropPlan plan = PlanDrop(c.hit, c.count);
        EXPECT_EQ(plan.askUser, c.ask) << c.hit << "," << c.count;
        EXPECT_EQ(plan.offerSubmenu, c.offerSubmenu) << c.hit << "," << c.count;
        EXPECT_EQ(plan.anchor, c.anchor) << c.hit << "," << c.count;
        EXPECT_EQ(plan.newPosition, c.newPosition) << c.hit << "," << c.count;
    }
}

}  // namespace
}  // namespace quorbel
