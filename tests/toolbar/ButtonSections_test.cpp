#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/SubmenuKey.h"
#include "tests/support/ProgramFolder.h"
#include "toolbar/ButtonInsertion.h"
#include "toolbar/ButtonSections.h"
#include "toolbar/DropPlan.h"

namespace quorbel {
namespace {

using Texts = std::vector<std::string>;
using test::Crlf;

// The lines of a button section as the program writes them.
std::string Button(const std::string& name, int command = 0)
{
    return "sButtonText=" + name + "\nsFolderPath=D:\\" + name + "\n" +
           (command ? "iCommand=" + std::to_string(command) + "\n" : "") + "subkey=K" + name + "\n";
}

// "[main]" with the count, the buttons as sections "0", "1", ..., then `extra`.
std::string Bar(const Texts& buttons, const std::string& extra = "")
{
    std::string text = "[main]\nbGlue=1\nsize=" + std::to_string(buttons.size()) + "\nx=40\n";
    for (std::size_t i = 0; i < buttons.size(); ++i)
        text += "[" + std::to_string(i) + "]\n" + buttons[i];
    return text + extra;
}

// What an insertion of E:\new writes: no iCommand, whatever the section held before.
const std::string kNew = "sFolderPath=E:\\new\nsButtonText=new\nsubkey=new-key\n";

class ButtonSectionsTest : public testing::Test {
protected:
    ButtonSectionsTest()
    {
        SetUuidSourceForTesting([] { return UuidText{UuidText::Status::Ok, "new-key"}; });
    }
    ~ButtonSectionsTest() override { SetUuidSourceForTesting(nullptr); }

    std::string Main() const { return test::ReadFileBytes(folder_.MainIni()); }
    std::string Submenu() const { return test::ReadFileBytes(folder_.SubmenuIni()); }

    test::ProgramFolder folder_;
};

// Buttons behind the gap move whole, command numbers with them; section 3 lingers from
// a deletion with a hand-added command and is overwritten whole.
TEST_F(ButtonSectionsTest, InsertOpensTheGapAndTakeBackRestoresTheFileExactly)
{
    const Texts buttons = {Button("A"), Button("B", 12), Button("C")};
    const std::string before = Bar(buttons, "[3]\n" + Button("old", 77) + "note=x\n");
    for (int p = 0; p <= 3; ++p) {
        folder_.WriteMain(before);
        const ButtonInsertion insertion = ButtonInsertion::Insert(p, "E:\\new").value();
        Texts after = buttons;
        after.insert(after.begin() + p, kNew);
        EXPECT_EQ(Main(), Crlf(Bar(after))) << p;
        insertion.TakeBack();
        EXPECT_EQ(Main(), Crlf(before)) << p;
    }
}

TEST_F(ButtonSectionsTest, InsertIntoAnEmptyBarAndTakeBackOfHandWrittenFiles)
{
    const ButtonInsertion first = ButtonInsertion::Insert(0, "D:\\work").value();
    EXPECT_EQ(Main(), Crlf("[0]\nsFolderPath=D:\\work\nsButtonText=work\nsubkey=new-key\n[main]\nsize=1\n"));
    first.TakeBack();
    EXPECT_EQ(Main(), "");
    // The count comes back as it was written, stale sections as they were; a main
    // section without a count stays without; names in another letter case are the same.
    for (const std::string& before : {"[main]\nsize=02\n[0]\n" + Button("A") + "[1]\n" + Button("B") + "[2]\n" +
                                          Button("stale", 5) + "[other]\nk=v\n",
                                      std::string("[main]\nbGlue=0\n"), "[MAIN]\nSIZE=1\n[0]\n" + Button("A"),
                                      "[main]\nsize=1;" + std::string(30000, 'n') + "\n[0]\n" + Button("A")}) {
        folder_.WriteMain(before);
        ButtonInsertion::Insert(1, "E:\\new")->TakeBack();
        EXPECT_EQ(Main(), Crlf(before));
    }
}

// A count typed larger than the sections written stands for the buttons the bar shows:
// a new button lands right after them, and every edit leaves the file describing the bar.
TEST_F(ButtonSectionsTest, EditsWorkOnTheButtonsTheBarShows)
{
    for (const std::string size : {"5", "2147483647"}) {
        std::string before = Bar({Button("A"), Button("B")});
        before.replace(before.find("size=2"), 6, "size=" + size);
        folder_.WriteMain(before);
        const ButtonInsertion insertion = ButtonInsertion::Insert(9, "E:\\new").value();
        EXPECT_EQ(Main(), Crlf(Bar({Button("A"), Button("B"), kNew}))) << size;
        insertion.TakeBack();
        EXPECT_EQ(Main(), Crlf(before)) << size;
        ASSERT_EQ(DeleteButton(1, "KB"), ButtonEdit::kDone);
        EXPECT_EQ(Main(), Crlf(Bar({Button("A")}, "[1]\n" + Button("B")))) << size;
    }
}

TEST_F(ButtonSectionsTest, DeleteClosesTheGapAndDropsTheButtonsFolderEntries)
{
    const Texts buttons = {Button("A", 5), Button("B"), Button("C")};
    const std::string menusLeft[] = {"[KB]\n0=b|y\n[KBE]\n0=1\n[KC]\n0=c|z\n",
                                     "[KA]\n0=a|x\n[KBE]\n0=1\n[KC]\n0=c|z\n",
                                     "[KA]\n0=a|x\n[KB]\n0=b|y\n[KBE]\n0=1\n"};
    for (int i = 0; i < 3; ++i) {
        folder_.WriteMain(Bar(buttons));
        folder_.WriteSubmenu("[KA]\n0=a|x\n[KB]\n0=b|y\n[KBE]\n0=1\n[KC]\n0=c|z\n");
        ASSERT_EQ(DeleteButton(i, ButtonSubmenuKey(i)), ButtonEdit::kDone);
        Texts after = buttons;
        after.erase(after.begin() + i);
        // B does not inherit A's command; the old last section lingers unread.
        EXPECT_EQ(Main(), Crlf(Bar(after, "[2]\n" + Button("C")))) << i;
        EXPECT_EQ(Submenu(), Crlf(menusLeft[i])) << "the decorations stay";
    }
}

TEST_F(ButtonSectionsTest, DeleteOnlyWithinTheCountAndNeverASectionWithoutName)
{
    folder_.WriteMain(Bar({Button("A")}));
    folder_.WriteSubmenu("[]\n0=unnamed|x\n");
    EXPECT_EQ(DeleteButton(-1, "KA"), ButtonEdit::kNoButton);
    EXPECT_EQ(DeleteButton(1, "KA"), ButtonEdit::kNoButton);
    ASSERT_EQ(DeleteButton(0, ""), ButtonEdit::kDone);
    EXPECT_EQ(Main(), Crlf("[main]\nbGlue=1\nsize=0\nx=40\n[0]\n" + Button("A")));
    EXPECT_EQ(Submenu(), Crlf("[]\n0=unnamed|x\n"));

    folder_.WriteMain("[main]\nsize=-4\n[0]\n" + Button("A"));
    EXPECT_EQ(ButtonCount(), 0);
    EXPECT_EQ(DeleteButton(0, "KA"), ButtonEdit::kNoButton);
}

// A hand-made value longer than the buffers moves whole; one too long to read whole
// stops the edit before anything is written.
TEST_F(ButtonSectionsTest, LongValuesMoveWholeOrNothingMoves)
{
    for (const std::size_t length : {30000, 1400000}) {
        const bool whole = length < 1000000;
        const Texts buttons = {Button("A"), Button("B") + "note=" + std::string(length, 'n') + "\n", Button("C")};
        const std::string before = Bar(buttons);
        folder_.WriteMain(before);
        folder_.WriteSubmenu("[KA]\n0=a|x\n");
        const std::optional<ButtonInsertion> insertion = ButtonInsertion::Insert(0, "E:\\new");
        ASSERT_EQ(insertion.has_value(), whole) << length;
        if (insertion) {
            EXPECT_EQ(Main(), Crlf(Bar({kNew, buttons[0], buttons[1], buttons[2]})));
            insertion->TakeBack();
        }
        EXPECT_EQ(Main(), Crlf(before)) << length;
        EXPECT_EQ(DeleteButton(0, "KA"), whole ? ButtonEdit::kDone : ButtonEdit::kValueTooLong) << length;
        EXPECT_EQ(Main(), Crlf(whole ? Bar({buttons[1], buttons[2]}, "[2]\n" + Button("C")) : before)) << length;
        EXPECT_EQ(Submenu(), whole ? "" : Crlf("[KA]\n0=a|x\n")) << length;
    }
}

TEST(PlanDrop, DecidesWhereADroppedFolderCanGo)
{
    const struct {
        int hit, count;
        bool ask, offerSubmenu, offerButton;
        int anchor, newPosition;
    } cases[] = {{-1, 0, false, false, false, -1, 0}, {4, 0, false, false, false, -1, 0},
                 {0, 3, true, true, true, 0, 1}, {2, 3, true, true, true, 2, 3},
                 // Beside the buttons: after the last one, never over an existing section.
                 {-1, 3, true, false, true, 2, 3}, {3, 3, true, false, true, 2, 3}, {-7, 1, true, false, true, 0, 1},
                 // A full bar takes no more buttons; its menus still take folders.
                 {0, kMaxButtons - 1, true, true, true, 0, 1}, {0, kMaxButtons, true, true, false, 0, 1}};
    for (const auto& c : cases) {
        const DropPlan plan = PlanDrop(c.hit, c.count);
        EXPECT_EQ(std::tie(plan.askUser, plan.offerSubmenu, plan.offerButton, plan.anchor, plan.newPosition),
                  std::tie(c.ask, c.offerSubmenu, c.offerButton, c.anchor, c.newPosition))
            << c.hit << "," << c.count;
    }
}

}  // namespace
}  // namespace quorbel
