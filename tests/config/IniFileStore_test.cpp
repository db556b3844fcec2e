// What our store does with the file system. What it reads and writes is the conformance
// corpus's.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "config/IniFileProfile.h"
#include "tests/support/TestFiles.h"

namespace quorbel {
namespace {

namespace fs = std::filesystem;

// A write that changes nothing leaves the file's time alone, which the cache in front of
// the store goes by. A file it cannot write, or one that is there but cannot be read, is
// never replaced: a write would lose whatever it holds.
TEST(IniFileStore, ReplacesAFileOnlyWhenItCanAndMust)
{
    const test::TempDir dir;
    const std::string path = dir.File("Quorbel.ini");
    ASSERT_TRUE(test::WriteFileBytes(path, "[s]\r\nk = 1\r\n"));
    const auto stamp = fs::last_write_time(path) - std::chrono::hours(1);
    fs::last_write_time(path, stamp);
    IniFileProfile store;
    EXPECT_TRUE(store.WriteString("s", "k", "1", path.c_str()));
    EXPECT_TRUE(store.WriteString("s", "absent", nullptr, path.c_str()));
    EXPECT_EQ(fs::last_write_time(path), stamp);

    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    fs::create_directory(dir.File("directory"));
    for (const std::string& where : {path, dir.File("directory"), dir.File("absent") + "/Quorbel.ini"}) {
        EXPECT_FALSE(store.WriteString("s", "k", "2", where.c_str())) << where;
        EXPECT_FALSE(store.WriteString("s", "k", "1", where.c_str())) << where;
        EXPECT_FALSE(store.WriteSection("s", "k=3\0", where.c_str())) << where;
    }
    EXPECT_EQ(test::ReadFileBytes(path), "[s]\r\nk = 1\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 2) << "no temporary file left";
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
}

// Buffers of one byte and more are the corpus's.
TEST(IniFileStore, EmptyBuffersAndNullPointersAreRefused)
{
    const test::TempDir dir;
    const std::string path = dir.File("Quorbel.ini");
    ASSERT_TRUE(test::WriteFileBytes(path, "[s]\r\nk=1\r\n"));
    IniFileProfile store;
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(store.GetString("s", "k", "d", buffer, 0, path.c_str()), 0u);
    EXPECT_EQ(store.GetString("s", "k", "d", buffer, 8, nullptr), 1u);
    EXPECT_FALSE(store.WriteString("s", "k", "v", nullptr));
    EXPECT_FALSE(store.WriteSection(nullptr, "k=v\0", path.c_str()));
    EXPECT_EQ(test::ReadFileBytes(path), "[s]\r\nk=1\r\n");
}

}  // namespace
}  // namespace quorbel
