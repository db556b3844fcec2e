#include "menus/MenuDecoration.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "tests/support/CodePageScope.h"

namespace quorbel {
namespace {

struct DecorationCase {
    std::string text;
    bool bold;
    int fontSize, itemHeight, background, textColour;
};

class ParseMenuDecorationTest : public testing::TestWithParam<DecorationCase> {};

TEST_P(ParseMenuDecorationTest, FillsTheFiveFieldsAndLeavesTheLabel)
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

const std::string k1000Nines(1000, '9');

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseMenuDecorationTest,
    testing::Values(
        DecorationCase{"1|12|30|16711680|255", true, 120, 30, 16711680, 255},
        DecorationCase{"0|-1|-1|-1|-1", false, -1, -1, -1, -1},
        DecorationCase{"1", true, 0, 0, 0, 0},  // missing fields read as empty: 0
        DecorationCase{"1|12", true, 120, 0, 0, 0},
        DecorationCase{"||||", false, 0, 0, 0, 0},
        // Only exactly "1" is bold.
        DecorationCase{"-1|9|20|0|0", false, 90, 20, 0, 0},
        DecorationCase{"01", false, 0, 0, 0, 0},
        DecorationCase{" 1", false, 0, 0, 0, 0},
        DecorationCase{"1 ", false, 0, 0, 0, 0},
        // strtol's reading: blanks, one sign, digits up to the first non-digit.
        DecorationCase{"0| 12|\t30|\n\v\f\r7| +8", false, 120, 30, 7, 8},
        DecorationCase{"0|+9|-0|--3|+-4", false, 90, 0, 0, 0},
        DecorationCase{"0|12pt|25px|0x10|7 8", false, 120, 25, 0, 7},
        DecorationCase{"0|abc|-|+| ", false, 0, 0, 0, 0},
        // Only exactly "-1" is unset; " -1" is the number -1, scaled for the size.
        DecorationCase{"0| -1|-01|-1 |-1", false, -10, -1, -1, -1},
        DecorationCase{"0|-2|-20|-300|-4000", false, -20, -20, -300, -4000},
        // Out of range numbers clamp, also after the size is scaled.
        DecorationCase{"0|9|20|2147483647|-2147483648", false, 90, 20, INT_MAX, INT_MIN},
        DecorationCase{"0|" + k1000Nines + "|2147483648|-2147483649|-" + k1000Nines, false,
                       INT_MAX, INT_MAX, INT_MIN, INT_MIN},
        DecorationCase{"0|214748365", false, INT_MAX, 0, 0, 0},
        DecorationCase{"0|-214748365", false, INT_MIN, 0, 0, 0},
        DecorationCase{"0|214748364", false, 2147483640, 0, 0, 0},
        // Text after a fifth "|" is ignored, however much of it there is.
        DecorationCase{"1|2|3|4|5|6|7|8", true, 20, 3, 4, 5},
        DecorationCase{"0|2|3|4|5" + std::string(5000, '|') + "9", false, 20, 3, 4, 5},
        DecorationCase{std::string(20000, 'x') + "|3", false, 30, 0, 0, 0}));

TEST(ParseMenuDecoration, EmptyTextChangesNothing)
{
    FolderMenuItem item;
    item.itemHeight = 20;
    ParseMenuDecoration("", item);
    EXPECT_EQ(item.itemHeight, 20);
    EXPECT_EQ(item.fontSize, -1);
    EXPECT_EQ(item.textColour, -1);
}

TEST(ParseMenuDecoration, TrailByteBarDoesNotSplitAFieldInCodePage932)
{
    const std::string text = "0|1\x83\x7C|2|3|4";  // 0x83 0x7C: one character
    FolderMenuItem single;
    ParseMenuDecoration(text, single, LeadByteTable::SingleByte());
    EXPECT_EQ(single.itemHeight, 0);

    test::CodePageScope japanese(932);
    FolderMenuItem item;
    ParseMenuDecoration(text, item);
    EXPECT_EQ(item.fontSize, 10);
    EXPECT_EQ(item.itemHeight, 2);
    EXPECT_EQ(item.textColour, 4);
}

}  // namespace
}  // namespace quorbel
