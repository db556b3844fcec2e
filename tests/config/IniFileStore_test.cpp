// What our store does with the file system: files it must not replace, and writes that
// change nothing. What it reads and writes is the conformance corpus's.
#include <gtest/gtest.h>

#include <filesystem>

#include "config/IniFileProfile.h"
#include "tests/support/TestFiles.h"

namespace quorbel {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Listing(const std::string& directory)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(directory)))
        names.push_back(entry.path().string());
    return names;
}

TEST(IniFileStore, NeverReplacesAFileItCannotWriteOrRead)
{
    const struct {
        const char* what;
        void (*make)(const std::string& path);
        const char* value;  // what k reads as, the same before the writes and after
    } cases[] = {
        {"read-only file",
         [](const std::string& path) {
             test::WriteFileBytes(path, "[s]\r\nk=1\r\n");
             fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                             fs::perm_options::remove);
         },
         "1"},
        // There but unreadable: a write would lose whatever it holds.
        {"directory in its place", [](const std::string& path) { fs::create_directory(path); }, "default"},
        {"missing folder", [](const std::string& path) { fs::remove(fs::path(path).parent_path()); }, "default"},
    };
    for (const auto& c : cases) {
        const test::TempDir dir;
        const std::string path = dir.File("folder/Quorbel.ini");
        fs::create_directory(dir.File("folder"));
        c.make(path);
        const std::vector<std::string> before = Listing(dir.Path());
        IniFileProfile store;
        EXPECT_FALSE(store.WriteString("s", "k", "2", path.c_str())) << c.what;
        EXPECT_FALSE(store.WriteString("s", "k", "1", path.c_str())) << c.what;
        EXPECT_FALSE(store.WriteSection("s", "k=3\0", path.c_str())) << c.what;
        char value[16];
        EXPECT_EQ(std::string(value, store.GetString("s", "k", "default", value, sizeof value, path.c_str())),
                  c.value)
            << c.what;
        EXPECT_EQ(Listing(dir.Path()), before) << c.what;
        std::error_code error;
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, error);
    }
}

// The cache in front of the store goes by the file's time: a write that changes nothing
// must not make every reader read the file again.
TEST(IniFileStore, WritesThatChangeNothingLeaveTheFileTimeAlone)
{
    const test::TempDir dir;
    const std::string path = dir.File("Quorbel.ini");
    ASSERT_TRUE(test::WriteFileBytes(path, "[s]\r\nk = 1\r\n"));
    const auto stamp = fs::last_write_time(path) - std::chrono::hours(1);
    fs::last_write_time(path, stamp);
    IniFileProfile store;
    EXPECT_TRUE(store.WriteString("s", "k", "1", path.c_str()));
    EXPECT_TRUE(store.WriteString("s", "absent", nullptr, path.c_str()));
    EXPECT_TRUE(store.WriteString("absent", nullptr, nullptr, path.c_str()));
    EXPECT_EQ(fs::last_write_time(path), stamp);
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
    EXPECT_FALSE(store.WriteString(nullptr, "k", "v", path.c_str()));
    EXPECT_FALSE(store.WriteSection(nullptr, "k=v\0", path.c_str()));
    EXPECT_EQ(test::ReadFileBytes(path), "[s]\r\nk=1\r\n");
}

}  // namespace
}  // namespace quorbel
