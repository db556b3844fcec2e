#include <gtest/gtest.h>

#include "config/MultiByteText.h"

namespace quorbel {
namespace {

constexpr auto npos = std::string_view::npos;

// CP932 "\x95\x5C" is a kanji whose trail byte is "\", "\x83\x7C" a katakana whose trail
// byte is "|". CP949 trail bytes never fall on the separators, but its lead bytes do
// come in pairs: "\xB0\xA1" is one character. The splitting functions built on these
// searches are fuzzed against a reference (tests/fuzz/Text_fuzz.cpp).
TEST(SeparatorScan, NeverTakesATrailByteForASeparator)
{
    const struct {
        unsigned codePage;
        std::string_view text;
        char separator;
        std::size_t first, last;
    } cases[] = {
        {932, "C:\\\x95\x5C\\x", '\\', 2, 5},
        {932, "\x83\x7C|D:\\\x83\x7C", '|', 2, 2},
        {932, "a|\x95", '|', 1, 1},  // a lone lead byte at the end
        {949, "\xB0\xA1|C:\\\xB3\xAA\\\xB4\xD9", '\\', 5, 8},
        {0, "\x95\x5C", '\\', 1, 1},
        // The edges of the lead byte ranges: a lead byte, then one just outside.
        {932, "\x81|\x80|", '|', 3, 3},
        {932, "\x9F|\xA0|", '|', 3, 3},
        {932, "\xE0|\xDF|", '|', 3, 3},  // half-width katakana stand alone
        {932, "\xFC|\xFD|", '|', 3, 3},
        {949, "\x81|\x80|", '|', 3, 3},
        {949, "\xFE|\xFF|", '|', 3, 3},
        {1252, "\x81|", '|', 1, 1},
    };
    for (const auto& c : cases) {
        const LeadByteTable lead = LeadByteTable::ForCodePage(c.codePage);
        EXPECT_EQ(FindFirstChar(c.text, c.separator, lead), c.first) << c.codePage << " " << c.text;
        EXPECT_EQ(FindLastChar(c.text, c.separator, lead), c.last) << c.codePage << " " << c.text;
        EXPECT_EQ(ContainsChar(c.text, c.separator, lead), c.first != npos) << c.codePage << " " << c.text;
    }
}

}  // namespace
}  // namespace quorbel
