#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "config/SubmenuKey.h"
#include "tests/support/ProgramFolder.h"

namespace quorbel {
namespace {

bool IsLetterKey(const std::string& key)
{
    return key.size() == 32 && std::all_of(key.begin(), key.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// Points the program at a folder of its own and restores the real UUID source.
class SubmenuKeyTest : public ::testing::Test {
protected:
    ~SubmenuKeyTest() override { SetUuidSourceForTesting(nullptr); }
    test::ProgramFolder folder_;
};

TEST_F(SubmenuKeyTest, IsTheUuidTextOrEmptyWhenTheUuidCannotBeTurnedIntoText)
{
    SetUuidSourceForTesting([] { return UuidText{UuidText::Status::Ok, "6b29fc40-ca47-1067-b31d-00dd010662da"}; });
    EXPECT_EQ(MakeSubmenuKey(), "6b29fc40-ca47-1067-b31d-00dd010662da");
    SetUuidSourceForTesting([] { return UuidText{UuidText::Status::ConversionFailed, {}}; });
    EXPECT_EQ(MakeSubmenuKey(), "");
}

TEST_F(SubmenuKeyTest, WithoutUuidsLetterKeysMadeInATightLoopAllDiffer)
{
    // LoadButtons may make keys for several buttons within one millisecond.
    SetUuidSourceForTesting([] { return UuidText{UuidText::Status::Unavailable, {}}; });
    std::set<std::string> keys;
    for (int i = 0; i < 300; ++i)
        keys.insert(MakeSubmenuKey());
    for (int i = 0; i < 3000; ++i)
        keys.insert(MakeLetterKey(nullptr));
    EXPECT_EQ(keys.size(), 3300u);
    EXPECT_TRUE(std::all_of(keys.begin(), keys.end(), IsLetterKey));
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

TEST_F(SubmenuKeyTest, LetterKeyAvoidsKeysAlreadyInTheFiles)
{
    folder_.WriteMain("[main]\nsize=0\n");
    // The first key the generator offers is made to stand in the submenu file before it is
    // checked, the second in the main file: the key made must be a third one.
    std::vector<std::string> offered;
    const std::string key = MakeLetterKey([&](const std::string& candidate) {
        offered.push_back(candidate);
        if (offered.size() == 1)
            folder_.WriteSubmenu("[" + candidate + "E]\n0=\n");
        if (offered.size() == 2)
            folder_.WriteMain("[main]\nsize=1\n[0]\nsubkey=" + candidate + "\n");
        return SubmenuKeyInUse(candidate);
    });
    ASSERT_EQ(offered.size(), 3u);
    EXPECT_EQ(key, offered[2]);
    EXPECT_TRUE(IsLetterKey(key));
    EXPECT_FALSE(SubmenuKeyInUse(key));
}

}  // namespace
}  // namespace quorbel
