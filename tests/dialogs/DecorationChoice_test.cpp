#include "dialogs/DecorationChoice.h"

#include <gtest/gtest.h>

#include <string>

namespace quorbel {
namespace {

TEST(ChoiceLists, OfferTheSizesAndHeightsOfTheDialog)
{
    std::wstring sizes;
    for (const ChoiceItem& item : FontSizeChoices())
        sizes += std::wstring(item.text) + L",";
    EXPECT_EQ(sizes, L"적용안함,9,10,12,15,20,25,30,35,40,45,50,");

    std::wstring heights;
    for (const ChoiceItem& item : ItemHeightChoices())
        heights += std::wstring(item.text) + L",";
    EXPECT_EQ(heights, L"적용안함,20,25,30,35,40,45,50,55,60,");

    // Every number item stands for the number it shows.
    for (const ChoiceList* list : {&FontSizeChoices(), &ItemHeightChoices()}) {
        EXPECT_EQ((*list)[0].value, -1);
        for (std::size_t i = 1; i < list->Size(); ++i)
            EXPECT_EQ(std::to_wstring((*list)[i].value), (*list)[i].text);
    }
}

struct FindCase {
    const wchar_t* prefix;
    int start;
    int found;
};

class FindPrefixTest : public testing::TestWithParam<FindCase> {};

TEST_P(FindPrefixTest, SearchesLikeCbFindString)
{
    EXPECT_EQ(FontSizeChoices().FindPrefix(GetParam().prefix, GetParam().start), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    FontSizes, FindPrefixTest,
    testing::Values(FindCase{L"4", 0, 9},      // "40": prefix match
                    FindCase{L"1", 0, 2},      // "10" before "12" and "15"
                    FindCase{L"12", 0, 3}, FindCase{L"9", 0, 1}, FindCase{L"50", 0, 11},
                    FindCase{L"11", 0, -1}, FindCase{L"-1", 0, -1}, FindCase{L"100", 0, -1},
                    FindCase{L"1", 3, 4},      // starts after the start index
                    FindCase{L"1", 5, 2},      // and wraps round past the end
                    FindCase{L"적", 0, 0},     // index 0 is searched last
                    FindCase{L"적", -1, 0},    // -1 searches from the top
                    FindCase{L"9", 1, 1},      // the start item itself comes last
                    FindCase{L"2", 99, 5}));

TEST(FindPrefix, IgnoresLetterCase)
{
    static constexpr ChoiceItem kItems[] = {{L"none", -1}, {L"Abc", 1}, {L"xyz", 2}};
    const ChoiceList list(kItems);
    EXPECT_EQ(list.FindPrefix(L"aB", 0), 1);
    EXPECT_EQ(list.FindPrefix(L"XY", 0), 2);
    EXPECT_EQ(list.FindPrefix(L"NO", 0), 0);
}

TEST(ChoiceList, SelectionAndValue)
{
    const ChoiceList& sizes = FontSizeChoices();
    EXPECT_EQ(sizes.SelectionFor(-1), -1);
    EXPECT_EQ(sizes.SelectionFor(4), 9);
    EXPECT_EQ(sizes.SelectionFor(11), -1);
    EXPECT_EQ(sizes.SelectionFor(12), 3);
    EXPECT_EQ(sizes.SelectionFor(0), -1);
    EXPECT_EQ(ItemHeightChoices().SelectionFor(25), 2);
    EXPECT_EQ(ItemHeightChoices().SelectionFor(2), 1);  // "20"

    EXPECT_EQ(sizes.ValueAt(-1), -1);
    EXPECT_EQ(sizes.ValueAt(0), -1);
    EXPECT_EQ(sizes.ValueAt(3), 12);
    EXPECT_EQ(sizes.ValueAt(11), 50);
    EXPECT_EQ(sizes.ValueAt(12), -1);
}

TEST(DecorationChoice, NothingChosenIsNotSetEverywhere)
{
    DecorationChoice choice;
    choice.decorate = true;
    EXPECT_EQ(choice.Text(), "0|-1|-1|-1|-1");
    EXPECT_EQ(choice.Stored(), "0|-1|-1|-1|-1");
}

TEST(DecorationChoice, BoldTwelvePointsHeight25BlackBackground)
{
    DecorationChoice choice;
    choice.decorate = true;
    choice.bold = true;
    choice.fontSizeSelection = 3;    // "12"
    choice.itemHeightSelection = 2;  // "25"
    choice.hasBackground = true;
    choice.background = 0;
    choice.textColour = 255;  // ignored: the swatch has no colour
    EXPECT_EQ(choice.Text(), "1|12|25|0|-1");
}

TEST(DecorationChoice, UndecoratedStoresEmptyText)
{
    DecorationChoice choice;
    choice.bold = true;
    choice.fontSizeSelection = 3;
    EXPECT_EQ(choice.Stored(), "");
}

TEST(DecorationChoice, ColoursAreWrittenAsSignedDecimal)
{
    DecorationChoice choice;
    choice.hasBackground = true;
    choice.background = 16711680;
    choice.hasTextColour = true;
    choice.textColour = -5;
    EXPECT_EQ(choice.Text(), "0|-1|-1|16711680|-5");
}

struct PresetCase {
    const char* text;
    bool decorate;
    bool bold;
    int size;
    int height;
    bool hasBackground;
    int background;
    bool hasText;
    int textColour;
};

class DecorationPresetTest : public testing::TestWithParam<PresetCase> {};

TEST_P(DecorationPresetTest, PresetsTheControls)
{
    const PresetCase& c = GetParam();
    const DecorationChoice choice = DecorationChoice::FromText(c.text);
    EXPECT_EQ(choice.decorate, c.decorate);
    EXPECT_EQ(choice.bold, c.bold);
    EXPECT_EQ(choice.fontSizeSelection, c.size);
    EXPECT_EQ(choice.itemHeightSelection, c.height);
    EXPECT_EQ(choice.hasBackground, c.hasBackground);
    if (c.hasBackground) {
        EXPECT_EQ(choice.background, c.background);
    }
    EXPECT_EQ(choice.hasTextColour, c.hasText);
    if (c.hasText) {
        EXPECT_EQ(choice.textColour, c.textColour);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecorationPresetTest,
    testing::Values(PresetCase{"", false, false, -1, -1, false, 0, false, 0},
                    PresetCase{"0|-1|-1|-1|-1", true, false, -1, -1, false, 0, false, 0},
                    PresetCase{"1|12|25|0|-1", true, true, 3, 2, true, 0, false, 0},
                    PresetCase{"0|4|-1|-1|255", true, false, 9, -1, false, 0, true, 255},
                    PresetCase{"0|11|33|-1|-1", true, false, -1, -1, false, 0, false, 0},
                    PresetCase{"1", true, true, -1, -1, true, 0, true, 0},
                    PresetCase{"0| -1|abc|-1|-1", true, false, -1, -1, false, 0, false, 0}));

TEST(DecorationChoice, AnUnofferedSizeIsStoredAsNotSet)
{
    DecorationChoice choice = DecorationChoice::FromText("0|11|25|-1|-1");
    EXPECT_EQ(choice.Text(), "0|-1|25|-1|-1");
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
            choice.hasTextColour = true;
            choice.textColour = 0x123456;

            const DecorationChoice back = DecorationChoice::FromText(choice.Text());
            // Index 0 and no selection both mean "not set" and read back as no selection.
            EXPECT_EQ(back.fontSizeSelection, size > 0 ? size : -1) << choice.Text();
            EXPECT_EQ(back.itemHeightSelection, height > 0 ? height : -1) << choice.Text();
            EXPECT_EQ(back.bold, choice.bold);
            EXPECT_EQ(back.Text(), choice.Text());
        }
    }
}

}  // namespace
}  // namespace quorbel
