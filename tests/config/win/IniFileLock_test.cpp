// Our store on Windows while another program holds the file open.
#include <windows.h>

#include <gtest/gtest.h>

#include "config/IniFileProfile.h"
#include "tests/support/TestFiles.h"

namespace quorbel {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

// A handle on the file as another program would hold it.
class OpenFile {
public:
    OpenFile(const std::string& path, DWORD share)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~OpenFile()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

struct LockCase {
    const char* name;
    DWORD share;
    bool readable;  // whether our reads still see the file
};

class HeldFile : public ::testing::TestWithParam<LockCase> {};

TEST_P(HeldFile, WriteFailsAndLeavesTheFileAsItWas)
{
    TempDir dir;
    const std::string path = dir.File("Quorbel.ini");
    const std::string before = "[main]\r\nx=1\r\n";
    ASSERT_TRUE(WriteFileBytes(path, before));
    IniFileProfile store;
    {
        OpenFile other(path, GetParam().share);
        ASSERT_TRUE(other.IsOpen());
        EXPECT_FALSE(store.WriteString("main", "x", "2", path.c_str()));
        EXPECT_FALSE(store.WriteSection("main", "x=3\0", path.c_str()));
        const auto x = static_cast<std::int32_t>(store.GetInt("main", "x", 100, path.c_str()));
        EXPECT_EQ(x, GetParam().readable ? 1 : 100);
    }
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(GetFileAttributesA((path + ".~new").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(store.WriteString("main", "x", "2", path.c_str()));
    EXPECT_EQ(ReadFileBytes(path), "[main]\r\nx=2\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    ShareModes, HeldFile,
    ::testing::Values(LockCase{"Exclusive", 0, false},
                      LockCase{"ReadersOnly", FILE_SHARE_READ, true},
                      LockCase{"ReadersAndWritersButNoDelete", FILE_SHARE_READ | FILE_SHARE_WRITE, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadOnlyAttribute, FileMarkedReadOnlyIsNotWritten)
{
    TempDir dir;
    const std::string path = dir.File("Quorbel.ini");
    ASSERT_TRUE(WriteFileBytes(path, "[main]\r\nx=1\r\n"));
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    IniFileProfile store;
    EXPECT_FALSE(store.WriteString("main", "x", "2", path.c_str()));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadFileBytes(path), "[main]\r\nx=1\r\n");
}

}  // namespace
}  // namespace quorbel
