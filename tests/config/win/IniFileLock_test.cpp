// The platform's store behind the cache while another program (a backup, a sync tool, a
// virus scanner) holds the file locked: what it answers then is not the file's.
#include <windows.h>

#include <gtest/gtest.h>

#include "config/ProfileCache.h"
#include "framework/Handles.h"
#include "tests/support/TestFiles.h"

namespace quorbel {
namespace {

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
