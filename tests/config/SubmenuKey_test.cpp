#include <gtest/gtest.h>

#include <set>

#include "config/IniPath.h"
#include "config/SubmenuKey.h"
#include "tests/support/TestFiles.h"

namespace quorbel {
namespace {

using test::Crlf;
using test::TempDir;
using test::WriteFileBytes;

// Points the program at a directory of its own and restores the real UUID source.
class SubmenuKeyTest : public ::testing::Test {
protected:
    SubmenuKeyTest() { SetProgramDirectory(dir_.Path()); }
    ~SubmenuKeyTest() override
    {
        SetUuidSourceForTesting(nullptr);
        SetProgramDirectory("");
    }
    void WriteIni(const char* name, const char* text) { ASSERT_TRUE(WriteFileBytes(dir_.File(name), Crlf(text))); }

    TempDir dir_;
};

bool IsLetterKey(const std::string& key)
{
    if (key.size() != 32)
        return false;
    for (char c : key)
        if (c < 'a' || c > 'z')
            return false;
    return true;
}

TEST_F(SubmenuKeyTest, TakesTheTextOfANewUuid)
{
    SetUuidSourceForTesting([] {
        return UuidText{UuidText::Status::Ok, "6b29fc40-ca47-1067-b31d-00dd010662da"};
    });
    EXPECT_EQ(MakeSubmenuKey(), "6b29fc40-ca47-1067-b31d-00dd010662da");
}

TEST_F(SubmenuKeyTest, IsEmptyWhenTheUuidCannotBeTurnedIntoText)
{
    SetUuidSourceForTesting([] { return UuidText{UuidText::Status::ConversionFailed, {}}; });
    EXPECT_EQ(MakeSubmenuKey(), "");
}

TEST_F(SubmenuKeyTest, IsThirtyTwoLowerCaseLettersWithoutUuids)
{
    SetUuidSourceForTesting([] { return UuidText{UuidText::Status::Unavailable, {}}; });
    const std::string key = MakeSubmenuKey();
    EXPECT_TRUE(IsLetterKey(key)) << key;
}

TEST_F(SubmenuKeyTest, LetterKeysMadeInATightLoopAllDiffer)
{
    // LoadButtons may make keys for several buttons within one millisecond.
    SetUuidSourceForTesting([] { return UuidText{UuidText::Status::Unavailable, {}}; });
    std::set<std::string> keys;
    for (int i = 0; i < 300; ++i)
        keys.insert(MakeSubmenuKey());
    for (int i = 0; i < 3000; ++i)
        keys.insert(MakeLetterKey(nullptr));
    EXPECT_EQ(keys.size(), 3300u);
    for (const std::string& key : keys)
        ASSERT_TRUE(IsLetterKey(key)) << key;
}

TEST_F(SubmenuKeyTest, KnowsTheKeysBothFilesHold)
{
    WriteIni("SubFolder2.ini", "[aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa]\n0=x|C:\\x\n"
                               "[bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbE]\n0=1|12|25|-1|255\n");
    WriteIni("Quorbel.ini", "[main]\nsize=2\n[0]\nsubkey=cccccccccccccccccccccccccccccccc\n"
                            "[7]\nsubkey=DDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDD\n");
    // As an entry section, as a decoration section alone (its button was deleted), as
    // the subkey of a button section, also one beyond the count, in any letter case.
    EXPECT_TRUE(SubmenuKeyInUse("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"));
    EXPECT_TRUE(SubmenuKeyInUse("bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb"));
    EXPECT_TRUE(SubmenuKeyInUse("cccccccccccccccccccccccccccccccc"));
    EXPECT_TRUE(SubmenuKeyInUse("dddddddddddddddddddddddddddddddd"));
    EXPECT_FALSE(SubmenuKeyInUse("eeeeeeeeeeeeeeeeeeeeeeeeeeeeeeee"));
    // A key whose entry section would be a decoration section already there is taken.
    EXPECT_TRUE(SubmenuKeyInUse("bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbE"));
}

TEST_F(SubmenuKeyTest, LetterKeyAvoidsKeysAlreadyInTheFiles)
{
    WriteIni("Quorbel.ini", "[main]\nsize=0\n");
    // The first key the generator offers is made to stand in the submenu file before it is
    // checked, the second in the main file: the key made must be a third one.
    std::vector<std::string> offered;
    const std::string key = MakeLetterKey([&](const std::string& candidate) {
        offered.push_back(candidate);
        if (offered.size() == 1)
            WriteIni("SubFolder2.ini", ("[" + candidate + "E]\n0=\n").c_str());
        if (offered.size() == 2)
            WriteIni("Quorbel.ini", ("[main]\nsize=1\n[0]\nsubkey=" + candidate + "\n").c_str());
        return SubmenuKeyInUse(candidate);
    });
    ASSERT_EQ(offered.size(), 3u);
    EXPECT_EQ(key, offered[2]);
    EXPECT_TRUE(IsLetterKey(key));
    EXPECT_TRUE(SubmenuKeyInUse(offered[0]));
    EXPECT_TRUE(SubmenuKeyInUse(offered[1]));
    EXPECT_FALSE(SubmenuKeyInUse(key));
}

}  // namespace
}  // namespace quorbel
