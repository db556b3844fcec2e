#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "config/IniSection.h"
#include "config/ProfileApi.h"

namespace quorbel {
namespace {

// Answers every string read with one value, cut to the buffer as the platform cuts it,
// and remembers the buffer sizes it was asked with and the texts written to it.
class OneValueProfile final : public ProfileApi {
public:
    std::string value;
    bool present = true;
    std::vector<std::uint32_t> readSizes;
    std::vector<std::string> written;
    std::uint32_t number = 0;

    std::uint32_t GetString(const char*, const char*, const char* fallback, char* buffer,
                            std::uint32_t size, const char*) override
    {
        readSizes.push_back(size);
        const std::string text = present ? value : std::string(fallback ? fallback : "");
        const std::size_t length = std::min<std::size_t>(text.size(), size - 1);
        text.copy(buffer, length);
        buffer[length] = '\0';
        return static_cast<std::uint32_t>(length);
    }
    std::uint32_t GetInt(const char*, const char*, std::int32_t fallback, const char*) override
    {
        return present ? number : static_cast<std::uint32_t>(fallback);
    }
    bool WriteString(const char*, const char*, const char* text, const char*) override
    {
        written.push_back(text ? text : "<null>");
        return true;
    }
    bool WriteSection(const char*, const char*, const char*) override { return false; }
};

class ProfileSwap {
public:
    explicit ProfileSwap(ProfileApi& api) { UseProfile(&api); }
    ~ProfileSwap() { UseProfile(nullptr); }
};

struct ReadCase {
    std::size_t length;                  // of the stored value
    std::size_t expected;                // length ReadString gives
    std::vector<std::uint32_t> reads;    // buffer sizes asked for
};

class ReadStringBuffers : public ::testing::TestWithParam<ReadCase> {};

// 1024 bytes first; a value that filled them (1023 characters) is read again into 10240.
TEST_P(ReadStringBuffers, ReadsAgainOnlyWhenTheFirstBufferWasFilled)
{
    OneValueProfile profile;
    profile.value.assign(GetParam().length, 'v');
    ProfileSwap swap(profile);
    const std::string got = IniSection("s", "p").ReadString("k");
    EXPECT_EQ(got.size(), GetParam().expected);
    EXPECT_EQ(got, std::string(GetParam().expected, 'v'));
    EXPECT_EQ(profile.readSizes, GetParam().reads);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, ReadStringBuffers,
    ::testing::Values(ReadCase{0, 0, {1024}}, ReadCase{1022, 1022, {1024}},
                      ReadCase{1023, 1023, {1024, 10240}}, ReadCase{2000, 2000, {1024, 10240}},
                      ReadCase{10239, 10239, {1024, 10240}},
                      ReadCase{20000, 10239, {1024, 10240}}));

TEST(IniSectionRead, AbsentKeyGivesTheFallbackAndEmptyTextStaysEmpty)
{
    OneValueProfile profile;
    ProfileSwap swap(profile);
    profile.present = false;
    EXPECT_EQ(IniSection("s", "p").ReadString("k", "fallback"), "fallback");
    EXPECT_EQ(IniSection("s", "p").ReadString("k"), "");
    profile.present = true;
    profile.value.clear();
    EXPECT_EQ(IniSection("s", "p").ReadString("k", "fallback"), "");
}

TEST(IniSectionRead, IntegersComeBackSigned)
{
    OneValueProfile profile;
    ProfileSwap swap(profile);
    const IniSection section("main", "p");
    profile.present = false;
    EXPECT_EQ(section.ReadInt("x", 100), 100);
    EXPECT_EQ(section.ReadInt("x", -7), -7);
    profile.present = true;
    // The platform answers with an unsigned number: negative values are its wrap-around.
    profile.number = static_cast<std::uint32_t>(-250);
    EXPECT_EQ(section.ReadInt("x", 100), -250);
    profile.number = 0x80000000u;
    EXPECT_EQ(section.ReadInt("x", 100), INT_MIN);
}

TEST(IniSectionWrite, IntegersAreWrittenAsSignedDecimal)
{
    OneValueProfile profile;
    ProfileSwap swap(profile);
    const IniSection section("main", "p");
    for (int value : {0, 250, -250, -1, INT_MAX, INT_MIN})
        section.WriteInt("x", value);
    EXPECT_EQ(profile.written, (std::vector<std::string>{"0", "250", "-250", "-1", "2147483647",
                                                         "-2147483648"}));
    section.RemoveKey("x");
    EXPECT_EQ(profile.written.back(), "<null>");
}

}  // namespace
}  // namespace quorbel
