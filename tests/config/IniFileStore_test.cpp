// What our store does with the file system: one-step replacement and files it must not
// replace. It reads the file afresh on every call; freshness of the cache in front of a
// store is ProfileCache_test's.
#include <gtest/gtest.h>

#include <filesystem>

#include "config/IniFileProfile.h"
#include "tests/support/TestFiles.h"

namespace quorbel {
namespace {

namespace fs = std::filesystem;
using test::ReadFileBytes;
using test::WriteFileBytes;

class IniFileStoreTest : public ::testing::Test {
protected:
    std::string Read(const std::string& path, const char* key = "k")
    {
        char buffer[64];
        return std::string(buffer, store_.GetString("s", key, "default", buffer, sizeof buffer, path.c_str()));
    }
    void ExpectOnlyTheIniFile()
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(fs::path(dir_.Path())))
            names.push_back(entry.path().filename().string());
        EXPECT_EQ(names, std::vector<std::string>{"Quorbel.ini"});
    }

    test::TempDir dir_;
    IniFileProfile store_;
    const std::string path_ = dir_.File("Quorbel.ini");
};

TEST_F(IniFileStoreTest, ReadOnlyFileIsNeverReplaced)
{
    const std::string before = "[s]\r\nk=1\r\n";
    ASSERT_TRUE(WriteFileBytes(path_, before));
    fs::permissions(path_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_FALSE(store_.WriteString("s", "k", "2", path_.c_str()));
    EXPECT_FALSE(store_.WriteString("s", "k", "1", path_.c_str()));
    EXPECT_FALSE(store_.WriteString("s", nullptr, nullptr, path_.c_str()));
    EXPECT_FALSE(store_.WriteSection("s", "k=3\0", path_.c_str()));
    EXPECT_EQ(Read(path_), "1");
    fs::permissions(path_, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(ReadFileBytes(path_), before);
    ExpectOnlyTheIniFile();
    EXPECT_TRUE(store_.WriteString("s", "k", "2", path_.c_str()));
}

TEST_F(IniFileStoreTest, PathsThatCannotHoldTheFileAreNotWritten)
{
    const std::string inMissingFolder = dir_.File("absent") + "/Quorbel.ini";
    EXPECT_FALSE(store_.WriteString("s", "k", "1", inMissingFolder.c_str()));
    EXPECT_EQ(Read(inMissingFolder), "default");
    // A file that is there but cannot be read must never be replaced by what little a
    // write knows: the rest of it would be lost.
    fs::create_directory(path_);
    EXPECT_EQ(Read(path_), "default");
    EXPECT_FALSE(store_.WriteString("s", "k", "1", path_.c_str()));
    EXPECT_TRUE(fs::is_directory(path_));
    ExpectOnlyTheIniFile();
}

TEST_F(IniFileStoreTest, WritesLeaveNoTemporaryFileAndNoChangeLeavesTheFileAlone)
{
    ASSERT_TRUE(store_.WriteString("s", "k", "2", path_.c_str()));
    ASSERT_TRUE(store_.WriteSection("t", "a=1\0b=2\0", path_.c_str()));
    ASSERT_TRUE(WriteFileBytes(path_, "[s]\r\nk = 1\r\n"));
    const auto stamp = fs::last_write_time(path_) - std::chrono::hours(1);
    fs::last_write_time(path_, stamp);
    EXPECT_TRUE(store_.WriteString("s", "k", "1", path_.c_str()));
    EXPECT_TRUE(store_.WriteString("s", "absent", nullptr, path_.c_str()));
    EXPECT_TRUE(store_.WriteString("absent", nullptr, nullptr, path_.c_str()));
    EXPECT_EQ(fs::last_write_time(path_), stamp);
    EXPECT_EQ(ReadFileBytes(path_), "[s]\r\nk = 1\r\n");
    ExpectOnlyTheIniFile();
}

TEST_F(IniFileStoreTest, SmallestBuffersAndNullPointersAreDefined)
{
    // Found by fuzzing: a key list into one byte wrote a zero in front of the buffer.
    ASSERT_TRUE(WriteFileBytes(path_, "[s]\r\nk=1\r\n[t]\r\n"));
    for (std::uint32_t size : {1u, 2u, 3u}) {
        for (const char* section : {"s", static_cast<const char*>(nullptr)}) {
            std::vector<char> buffer(size, 'x');
            const std::uint32_t length = store_.GetString(section, nullptr, nullptr, buffer.data(), size, path_.c_str());
            ASSERT_LT(length, size);
            EXPECT_EQ(buffer[length], '\0');
        }
    }
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(store_.GetString("s", "k", "d", nullptr, 8, path_.c_str()), 0u);
    EXPECT_EQ(store_.GetString("s", "k", "d", buffer, 0, path_.c_str()), 0u);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(store_.GetString("s", "k", "d", buffer, 8, nullptr), 1u);
    EXPECT_EQ(store_.GetInt(nullptr, "k", 5, path_.c_str()), 5u);
    EXPECT_EQ(store_.GetInt("s", nullptr, 5, path_.c_str()), 5u);
    EXPECT_FALSE(store_.WriteString("s", "k", "v", nullptr));
    EXPECT_FALSE(store_.WriteSection(nullptr, "k=v\0", path_.c_str()));
    EXPECT_EQ(ReadFileBytes(path_), "[s]\r\nk=1\r\n[t]\r\n");
}

}  // namespace
}  // namespace quorbel
