#include "menus/MenuDecoration.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "tests/support/CodePageScope.h"

namespace quorbel {
namespace {

struct DecorationCase {
    const char* name;
    std::string text;
    bool bold;
    int fontSize;
    int itemHeight;
    int background;
    int textColour;
};

class ParseMenuDecorationTest : public testing::TestWithParam<DecorationCase> {};

TEST_P(ParseMenuDecorationTest, FillsTheFiveFields)
{
    const DecorationCase& c = GetParam();
    FolderMenuItem item;
    item.text = "label";
    ParseMenuDecoration(c.text, item);
    EXPECT_EQ(item.bold, c.bold);
    EXPECT_EQ(item.fontSize, c.fontSize);
    EXPECT_EQ(item.itemHeight, c.itemHeight);
    EXPECT_EQ(item.backgroundColour, c.background);
    EXPECT_EQ(item.textColour, c.textColour);
    EXPECT_EQ(item.text, "label");
}

const std::string kThousandDigits(1000, '9');

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseMenuDecorationTest,
    testing::Values(
        DecorationCase{"AllSet", "1|12|30|16711680|255", true, 120, 30, 16711680, 255},
        DecorationCase{"NothingSet", "0|-1|-1|-1|-1", false, -1, -1, -1, -1},
        DecorationCase{"OnlyBold", "1", true, 0, 0, 0, 0},
        DecorationCase{"TwoFields", "1|12", true, 120, 0, 0, 0},
        DecorationCase{"EmptyFields", "||||", false, 0, 0, 0, 0},
        DecorationCase{"OneBar", "|", false, 0, 0, 0, 0},
        DecorationCase{"MinusOneIsNotBold", "-1|9|20|0|0", false, 90, 20, 0, 0},
        DecorationCase{"BoldNeedsExactlyOne", "01|9|20|0|0", false, 90, 20, 0, 0},
        DecorationCase{"BlankBeforeOne", " 1|9|20|0|0", false, 90, 20, 0, 0},
        DecorationCase{"BlankAfterOne", "1 |9|20|0|0", false, 90, 20, 0, 0},
        DecorationCase{"LeadingBlanks", "0| 12|\t30|\n\v\f\r7| +8", false, 120, 30, 7, 8},
        DecorationCase{"Signs", "0|+9|-0|--3|+-4", false, 90, 0, 0, 0},
        DecorationCase{"DigitsUpToNonDigit", "0|12pt|25px|0x10|7 8", false, 120, 25, 0, 7},
        DecorationCase{"NoDigits", "0|abc|-|+| ", false, 0, 0, 0, 0},
        DecorationCase{"MinusOneOnlyWhenExact", "0| -1|-01|-1 |-1", false, -10, -1, -1, -1},
        DecorationCase{"NegativeNumbers", "0|-2|-20|-300|-4000", false, -20, -20, -300, -4000},
        DecorationCase{"ColourLimits", "0|9|20|2147483647|-2147483648", false, 90, 20, INT_MAX,
                       INT_MIN},
        DecorationCase{"HugeNumbersClamp", "0|" + kThousandDigits + "|2147483648|-2147483649|" +
                                               kThousandDigits,
                       false, INT_MAX, INT_MAX, INT_MIN, INT_MAX},
        DecorationCase{"HugeNegativeSizeClamps", "0|-" + kThousandDigits, false, INT_MIN, 0, 0, 0},
        DecorationCase{"SizeTimesTenClamps", "0|214748365|0|0|0", false, INT_MAX, 0, 0, 0},
        DecorationCase{"SizeTimesTenClampsBelow", "0|-214748365|0|0|0", false, INT_MIN, 0, 0, 0},
        DecorationCase{"LargestSizeThatFits", "0|214748364|0|0|0", false, 2147483640, 0, 0, 0},
        DecorationCase{"FieldsAfterFifthIgnored", "1|2|3|4|5|6|7|8", true, 20, 3, 4, 5},
        DecorationCase{"TrailingBar", "1|2|3|4|5|", true, 20, 3, 4, 5},
        DecorationCase{"ThousandsOfBars", "0|2|3|4|5" + std::string(5000, '|') + "9", false, 20,
                       3, 4, 5},
        DecorationCase{"LongGarbageField", std::string(20000, 'x') + "|3", false, 30, 0, 0, 0}),
    [](const testing::TestParamInfo<DecorationCase>& info) { return info.param.name; });

TEST(ParseMenuDecoration, EmptyTextLeavesTheItemAsItsMakerSetIt)
{
    FolderMenuItem item;
    item.text = "docs";
    item.itemHeight = 20;
    ParseMenuDecoration("", item);
    EXPECT_EQ(item.itemHeight, 20);
    EXPECT_EQ(item.fontSize, -1);
    EXPECT_EQ(item.backgroundColour, -1);
    EXPECT_EQ(item.textColour, -1);
    EXPECT_FALSE(item.bold);
}

TEST(ParseMenuDecoration, AnyNonEmptyTextSetsAllFiveFields)
{
    FolderMenuItem item;
    item.itemHeight = 20;
    item.bold = true;
    ParseMenuDecoration("x", item);
    EXPECT_FALSE(item.bold);
    EXPECT_EQ(item.itemHeight, 0);
}

TEST(ParseMenuDecoration, TrailByteBarDoesNotSplitAFieldInCodePage932)
{
    // 0x83 0x7C is one Shift-JIS character whose second byte is "|".
    const std::string text = "0|1\x83\x7C|2|3|4";

    FolderMenuItem single;
    ParseMenuDecoration(text, single, LeadByteTable::SingleByte());
    EXPECT_EQ(single.itemHeight, 0);
    EXPECT_EQ(single.backgroundColour, 2);

    test::CodePageScope japanese(932);
    FolderMenuItem item;
    ParseMenuDecoration(text, item);
    EXPECT_EQ(item.fontSize, 10);
    EXPECT_EQ(item.itemHeight, 2);
    EXPECT_EQ(item.backgroundColour, 3);
    EXPECT_EQ(item.textColour, 4);
}

struct DecimalCase {
    std::string field;
    int value;
};

class LeadingDecimalTest : public testing::TestWithParam<DecimalCase> {};

TEST_P(LeadingDecimalTest, ReadsLikeTheCLibrary)
{
    EXPECT_EQ(LeadingDecimal(GetParam().field), GetParam().value) << '"' << GetParam().field << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Fields, LeadingDecimalTest,
    testing::Values(DecimalCase{"", 0}, DecimalCase{"-", 0}, DecimalCase{"+", 0},
                    DecimalCase{"+-1", 0}, DecimalCase{"12abc", 12}, DecimalCase{"  -0042", -42},
                    DecimalCase{"\t\n\v\f\r 5", 5}, DecimalCase{"5 6", 5},
                    DecimalCase{"2147483647", INT_MAX}, DecimalCase{"2147483648", INT_MAX},
                    DecimalCase{"-2147483648", INT_MIN}, DecimalCase{"-2147483649", INT_MIN},
                    DecimalCase{"0000000000000000000000000017", 17},
                    DecimalCase{std::string(1000, '9'), INT_MAX},
                    DecimalCase{"-" + std::string(1000, '9'), INT_MIN},
                    DecimalCase{"\x83\x31", 0}));

}  // namespace
}  // namespace quorbel
