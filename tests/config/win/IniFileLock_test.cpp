// Our store on Windows while the file cannot be replaced: another program holds it open,
// or it is marked read-only. Writes fail, the file stays as it was, nothing is left
// behind, and once the file is free again writes work. And the platform's store behind
// the cache while another program holds the file locked: what it answers then is not
// the file's.
#include <windows.h>

#include <gtest/gtest.h>

#include "config/IniFileProfile.h"
#include "config/ProfileCache.h"
#include "framework/Handles.h"
#include "tests/support/TestFiles.h"

namespace quorbel {
namespace {

TEST(HeldFile, WriteFailsAndLeavesTheFileAsItWas)
{
    const struct {
        const char* name;
        DWORD share;    // how another program holds the file open
        bool readOnly;  // or the attribute, with nobody holding it
        bool readable;  // whether our reads still see the file
    } cases[] = {
        {"Exclusive", 0, false, false},
        {"ReadersOnly", FILE_SHARE_READ, false, true},
        {"ReadersAndWritersButNoDelete", FILE_SHARE_READ | FILE_SHARE_WRITE, false, true},
        {"ReadOnlyAttribute", 0, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        const std::string path = dir.File("Quorbel.ini");
        const std::string before = "[main]\r\nx=1\r\n";
        ASSERT_TRUE(test::WriteFileBytes(path, before));
        IniFileProfile store;
        {
            fw::KernelObject other;
            if (c.readOnly)
                ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
            else
                other.reset(CreateFileA(path.c_str(), GENERIC_READ, c.share, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
            ASSERT_NE(other.get(), INVALID_HANDLE_VALUE);
            EXPECT_FALSE(store.WriteString("main", "x", "2", path.c_str()));
            EXPECT_FALSE(store.WriteSection("main", "x=3\0", path.c_str()));
            EXPECT_EQ(static_cast<std::int32_t>(store.GetInt("main", "x", 100, path.c_str())), c.readable ? 1 : 100);
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        EXPECT_EQ(test::ReadFileBytes(path), before);
        EXPECT_EQ(GetFileAttributesA((path + ".~new").c_str()), INVALID_FILE_ATTRIBUTES);
        EXPECT_TRUE(store.WriteString("main", "x", "2", path.c_str()));
        EXPECT_EQ(test::ReadFileBytes(path), "[main]\r\nx=2\r\n");
    }
}

// Trusts every stamp at once, as it trusts a file long unchanged.
struct SettledClock final : FileClock {
    FileStamp Stamp(const char* path) override { return PlatformFileClock().Stamp(path); }
    std::int64_t Now() override { return PlatformFileClock().Now() + TrustAfter() + 1; }
    std::int64_t TrustAfter() override { return PlatformFileClock().TrustAfter(); }
    std::unique_ptr<FileHold> HoldForReading(const char* path) override
    {
        return PlatformFileClock().HoldForReading(path);
    }
};

TEST(HeldFile, DefaultsAnsweredWhileLockedAreNotKept)
{
    test::TempDir dir;
    const std::string path = dir.File("Quorbel.ini");
    ASSERT_TRUE(test::WriteFileBytes(path, "[main]\r\nx=1\r\n"));
    SettledClock clock;
    ProfileCache cache(PlatformProfile(), clock);
    {
        const fw::KernelObject other(
            CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_NE(other.get(), INVALID_HANDLE_VALUE);
        EXPECT_EQ(cache.GetInt("main", "x", 100, path.c_str()), 100u);
    }
    EXPECT_EQ(cache.GetInt("main", "x", 100, path.c_str()), 1u);
}

}  // namespace
}  // namespace quorbel
