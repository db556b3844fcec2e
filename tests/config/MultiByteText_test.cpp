#include <gtest/gtest.h>

#include "config/MultiByteText.h"

namespace quorbel {
namespace {

constexpr auto npos = std::string_view::npos;

// CP932 "\x95\x5C" is a kanji whose trail byte is "\", "\x83\x7C" a katakana whose trail
// byte is "|". CP949 trail bytes never fall on the separators, but its lead bytes do
// come in pairs: "\xB0\xA1" is one character. The splitting functions built on these
// searches are fuzzed against a reference (tests/fuzz/MultiByteText_fuzz.cpp).
TEST(SeparatorScan, NeverTakesATrailByteForASeparator)
{
    const struct {
        unsigned codePage;
        std::string_view text;
        char separator;
        std::size_t first, last;
    } cases[] = {
        {932, "C:\x95\x5C", '\\', npos, npos},
        {932, "C:\\\x95\x5C\\x", '\\', 2, 5},
        {932, "\x83\x7C|D:\\\x83\x7C", '|', 2, 2},
        {932, "\x83\x7C\x83\x7C", '|', npos, npos},
        {932, "\x95\x5C,", ',', 2, 2},
        {932, "a|\x95", '|', 1, 1},  // a lone lead byte at the end
        {949, "\xB0\xA1|C:\\\xB3\xAA\\\xB4\xD9", '\\', 5, 8},
        {949, "\xC7\xD1|\xB1\xDB|", '|', 2, 5},
        {0, "\x95\x5C", '\\', 1, 1},
    };
    for (const auto& c : cases) {
        const LeadByteTable lead = LeadByteTable::ForCodePage(c.codePage);
        EXPECT_EQ(FindFirstChar(c.text, c.separator, lead), c.first) << c.codePage << " " << c.text;
        EXPECT_EQ(FindLastChar(c.text, c.separator, lead), c.last) << c.codePage << " " << c.text;
        EXPECT_EQ(ContainsChar(c.text, c.separator, lead), c.first != npos) << c.codePage << " " << c.text;
    }
}

TEST(LeadByteTable, KnowsTheDoubleByteCodePages)
{
    const LeadByteTable sjis = LeadByteTable::ForCodePage(932);
    const LeadByteTable uhc = LeadByteTable::ForCodePage(949);
    const LeadByteTable latin = LeadByteTable::ForCodePage(1252);
    for (unsigned b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        // Half-width katakana (A1 to DF) stand alone in 932.
        EXPECT_EQ(sjis.IsLead(byte), (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) << b;
        EXPECT_EQ(uhc.IsLead(byte), b >= 0x81 && b <= 0xFE) << b;
        EXPECT_FALSE(latin.IsLead(byte)) << b;
    }
}

}  // namespace
}  // namespace quorbel
