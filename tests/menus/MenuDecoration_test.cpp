#include "menus/MenuDecoration.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

#include "tests/support/CodePageScope.h"

namespace quorbel {
namespace {

// bold, size in tenths, height, background, text colour.
using Fields = std::tuple<bool, int, int, int, int>;

Fields Parse(const std::string& text)
{
    FolderMenuItem item;
    item.text = "label";
    item.itemHeight = 20;
    ParseMenuDecoration(text, item, ActiveLeadBytes());
    EXPECT_EQ(item.text, "label") << "the label is left alone";
    return {item.bold, item.fontSize, item.itemHeight, item.backgroundColour, item.textColour};
}

// The field arithmetic is also fuzzed against strtoll (tests/fuzz/Text_fuzz.cpp).
TEST(ParseMenuDecoration, ReadsFieldsAsTheCLibraryDoes)
{
    const std::string nines(1000, '9');
    const struct {
        std::string text;
        Fields fields;
    } cases[] = {
        {"1|12|30|16711680|255", {true, 120, 30, 16711680, 255}},
        {"", {false, -1, 20, -1, -1}},  // no decoration: nothing changes
        {"1", {true, 0, 0, 0, 0}},      // missing fields read as empty: 0
        // Only exactly "1" is bold.
        {"-1|9|20|0|0", {false, 90, 20, 0, 0}},
        {" 1", {false, 0, 0, 0, 0}},
        // strtol's reading: blanks, one sign, digits up to the first non-digit.
        {"0| 12|\t30|\n\v\f\r7| +8", {false, 120, 30, 7, 8}},
        // Only exactly "-1" is unset; " -1" is the number -1, scaled for the size.
        {"0| -1|-01|-1 |-1", {false, -10, -1, -1, -1}},
        // Out of range numbers clamp, also after the size is scaled.
        {"0|" + nines + "|2147483648|-2147483649|-" + nines, {false, INT_MAX, INT_MAX, INT_MIN, INT_MIN}},
        // Text after a fifth "|" is ignored, however much of it there is.
        {"0|2|3|4|5" + std::string(5000, '|') + "9", {false, 20, 3, 4, 5}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Parse(c.text), c.fields) << c.text.substr(0, 40);
}

TEST(ParseMenuDecoration, TrailByteBarDoesNotSplitAFieldInCodePage932)
{
    const test::CodePageScope japanese(932);
    EXPECT_EQ(Parse("0|1\x83\x7C|2|3|4"), (Fields{false, 10, 2, 3, 4}));  // 0x83 0x7C: one character
}

}  // namespace
}  // namespace quorbel
