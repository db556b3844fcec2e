#include <gtest/gtest.h>

#include "config/MultiByteText.h"

namespace quorbel {
namespace {

constexpr auto npos = std::string_view::npos;

struct ScanCase {
    const char* name;
    unsigned codePage;
    std::string_view text;
    char separator;
    std::size_t first;
    std::size_t last;
};

class SeparatorScan : public ::testing::TestWithParam<ScanCase> {};

TEST_P(SeparatorScan, NeverTakesATrailByteForASeparator)
{
    const ScanCase& c = GetParam();
    const LeadByteTable lead = LeadByteTable::ForCodePage(c.codePage);
    EXPECT_EQ(FindFirstChar(c.text, c.separator, lead), c.first);
    EXPECT_EQ(FindLastChar(c.text, c.separator, lead), c.last);
    EXPECT_EQ(ContainsChar(c.text, c.separator, lead), c.first != npos);
}

// CP932 "\x95\x5C" is a kanji whose trail byte is "\", "\x83\x7C" a katakana whose trail
// byte is "|". CP949 trail bytes never fall on the separators, but its lead bytes do
// come in pairs: "\xB0\xA1" is one character.
INSTANTIATE_TEST_SUITE_P(
    CodePages, SeparatorScan,
    ::testing::Values(
        ScanCase{"Cp932BackslashTrailOnly", 932, "C:\x95\x5C", '\\', npos, npos},
        ScanCase{"Cp932BackslashAfterTrail", 932, "C:\\\x95\x5C\\x", '\\', 2, 5},
        ScanCase{"Cp932BarTrailInLabel", 932, "\x83\x7C|D:\\\x83\x7C", '|', 2, 2},
        ScanCase{"Cp932BarTrailOnly", 932, "\x83\x7C\x83\x7C", '|', npos, npos},
        ScanCase{"Cp932CommaAfterKanji", 932, "\x95\x5C,", ',', 2, 2},
        ScanCase{"Cp932LoneLeadByteAtTheEnd", 932, "a|\x95", '|', 1, 1},
        ScanCase{"Cp949Path", 949, "\xB0\xA1|C:\\\xB3\xAA\\\xB4\xD9", '\\', 5, 8},
        ScanCase{"Cp949Bar", 949, "\xC7\xD1|\xB1\xDB|", '|', 2, 5},
        ScanCase{"SingleByteSeesEveryByte", 0, "\x95\x5C", '\\', 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextAroundSeparators, SplitsEntryTextsOnRealSeparatorsOnly)
{
    const LeadByteTable sjis = LeadByteTable::ForCodePage(932);
    // Label "\x83\x7C" (its trail byte is "|"), path D:\<kanji ending in 5C>\x.
    const std::string_view entry = "\x83\x7C|D:\\\x95\x5C\\x";
    EXPECT_EQ(TextBeforeFirst(entry, '|', sjis), "\x83\x7C");
    EXPECT_EQ(TextAfterFirst(entry, '|', sjis), "D:\\\x95\x5C\\x");
    EXPECT_EQ(TextAfterLast(entry, '\\', sjis), "x");
    EXPECT_EQ(TextAfterLast("D:\\\x95\x5C", '\\', sjis), "\x95\x5C");

    EXPECT_EQ(TextBeforeFirst("no bar", '|', sjis), "");
    EXPECT_EQ(TextAfterFirst("no bar", '|', sjis), "no bar");
    EXPECT_EQ(TextAfterLast("a|b|c", '|', sjis), "c");
    EXPECT_EQ(TextAfterFirst("a|b|c", '|', sjis), "b|c");
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
