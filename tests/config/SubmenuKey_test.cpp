#include "config/SubmenuKey.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/support/ProgramFolder.h"

namespace quorbel {
namespace {

// Points the program at a folder of its own and restores the real UUID source.
class SubmenuKeyTest : public ::testing::Test {
protected:
    ~SubmenuKeyTest() override { SetUuidSourceForTesting(nullptr); }
    test::ProgramFolder folder_;
};

// LoadButtons may make keys for several buttons within one millisecond.
TEST_F(SubmenuKeyTest, WithoutUuidsLettersMadeInATightLoopAllDifferAndSkipKeysTaken)
{
    SetUuidSourceForTesting([] { return UuidText{UuidText::Status::Unavailable, {}}; });
    std::set<std::string> keys;
    for (int i = 0; i < 1000; ++i)
        keys.insert(MakeSubmenuKey());
    EXPECT_EQ(keys.size(), 1000u);
    EXPECT_TRUE(std::all_of(keys.begin(), keys.end(), [](const std::string& key) {
        return key.size() == 32 && std::all_of(key.begin(), key.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    }));

    std::vector<std::string> offered;
    const std::string key = MakeLetterKey([&](const std::string& candidate) {
        offered.push_back(candidate);
        return offered.size() < 3;
    });
    ASSERT_EQ(offered.size(), 3u);
    EXPECT_EQ(key, offered[2]);
}

TEST_F(SubmenuKeyTest, KnowsTheKeysBothFilesHold)
{
    folder_.WriteSubmenu("[aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa]\n0=x|C:\\x\n[bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbE]\n0=1|12|25|-1|255\n");
    folder_.WriteMain("[main]\nsize=2\n[0]\nsubkey=cccccccccccccccccccccccccccccccc\n"
                      "[7]\nsubkey=DDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDD\n");
    // As an entry section, as a decoration section alone (its button was deleted), as
    // the subkey of a button section, also one beyond the count, in any letter case.
    for (const char* taken : {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
                              "cccccccccccccccccccccccccccccccc", "dddddddddddddddddddddddddddddddd",
                              // its entry section would be a decoration section already there
                              "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbE"})
        EXPECT_TRUE(SubmenuKeyInUse(taken)) << taken;
    EXPECT_FALSE(SubmenuKeyInUse("eeeeeeeeeeeeeeeeeeeeeeeeeeeeeeee"));
}

}  // namespace
}  // namespace quorbel
