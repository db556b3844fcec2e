#include "dialogs/DecorationChoice.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace quorbel {
namespace {

// The dialog's controls from a stored text, and what OK stores from them unchanged. The
// dialog selects a stored size by the first item it starts with, as CB_FINDSTRING does:
// "4" selects 40.
TEST(DecorationChoice, StoredSizesSelectByPrefixAndUnofferedOnesAreDropped)
{
    const struct {
        const char* text;
        bool decorate;
        int size, height;
        bool hasBackground, hasText;
        const char* storedAgain;
    } cases[] = {
        {"", false, -1, -1, false, false, ""},
        {"0|-1|-1|-1|-1", true, -1, -1, false, false, "0|-1|-1|-1|-1"},
        {"1|12|25|0|-1", true, 3, 2, true, false, "1|12|25|0|-1"},
        {"0|4|-1|-1|255", true, 9, -1, false, true, "0|40|-1|-1|255"},
        {"0|11|33|-1|-5", true, -1, -1, false, true, "0|-1|-1|-1|-5"},
        {"1", true, -1, -1, true, true, "1|-1|-1|0|0"},
        {"0| -1|abc|-1|-1", true, -1, -1, false, false, "0|-1|-1|-1|-1"},
    };
    for (const auto& c : cases) {
        const DecorationChoice choice = DecorationChoice::FromText(c.text);
        EXPECT_EQ(std::tie(choice.decorate, choice.fontSizeSelection, choice.itemHeightSelection,
                           choice.hasBackground, choice.hasTextColour),
                  std::tie(c.decorate, c.size, c.height, c.hasBackground, c.hasText))
            << c.text;
        EXPECT_EQ(choice.Stored(), c.storedAgain) << c.text;
    }
}

TEST(DecorationChoice, EveryOfferedSelectionSurvivesStoringAndReading)
{
    for (int size = -1; size < static_cast<int>(FontSizeChoices().Size()); ++size) {
        for (int height = -1; height < static_cast<int>(ItemHeightChoices().Size()); ++height) {
            DecorationChoice choice;
            choice.decorate = true;
            choice.bold = (size + height) % 2 == 0;
            choice.fontSizeSelection = size;
            choice.itemHeightSelection = height;
            const DecorationChoice back = DecorationChoice::FromText(choice.Text());
            // Item 0 and no selection both mean "not set" and read back as no selection.
            EXPECT_EQ(back.fontSizeSelection, size > 0 ? size : -1) << choice.Text();
            EXPECT_EQ(back.itemHeightSelection, height > 0 ? height : -1) << choice.Text();
            EXPECT_EQ(back.Text(), choice.Text());
        }
    }
}

}  // namespace
}  // namespace quorbel
