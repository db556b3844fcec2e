#include "config/ProfileCache.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <utility>


namespace quorbel {
namespace {

// A file system and clock under the test's control.
struct ScriptedClock : FileClock {
    std::map<std::string, FileStamp> stamps;
    std::int64_t now = 1'000'000;
    int checks = 0;
    FileStamp Stamp(const char* path) override
    {
        ++checks;
        const auto found = stamps.find(path);
        return found == stamps.end() ? FileStamp{} : found->second;
    }
    std::int64_t Now() override { return now; }
    std::int64_t TrustAfter() override { return 100; }
    std::unique_ptr<FileHold> HoldForReading(const char*) override { return std::make_unique<FileHold>(); }
};

// A service that counts how often it is asked; it answers with the names asked for and
// `value`, or with a list ended by two zeros.
struct CountingService : ProfileApi {
    int reads = 0;
    int writes = 0;
    std::string value = "v1";
    std::uint32_t GetString(const char* section, const char* key, const char*, char* buffer, std::uint32_t size,
                            const char*) override
    {
        ++reads;
        const std::string text = key ? std::string(section) + ":" + key + "=" + value : std::string("a\0b\0", 4);
        const std::size_t n = std::min<std::size_t>(text.size(), size - 2);
        std::memcpy(buffer, text.data(), n);
        buffer[n] = buffer[n + 1] = '\0';
        return static_cast<std::uint32_t>(n);
    }
    std::uint32_t GetInt(const char*, const char*, std::int32_t fallback, const char*) override
    {
        ++reads;
        return static_cast<std::uint32_t>(fallback + 1);
    }
    bool WriteString(const char*, const char*, const char*, const char*) override { return ++writes, true; }
    bool WriteSection(const char*, const char*, const char*) override { return ++writes, true; }
};

class ProfileCacheTest : public ::testing::Test {
protected:
    void Touch(std::uint64_t size, std::int64_t writeTime) { clock.stamps["f.ini"] = {true, size, writeTime, 0}; }
    std::string Read(const char* section, const char* key, std::uint32_t size = 64)
    {
        std::string buffer(size, '\x7f');
        const std::uint32_t n = cache.GetString(section, key, "def", buffer.data(), size, "f.ini");
        return std::string(buffer.data(), n);
    }

    ScriptedClock clock;
    CountingService service;
    ProfileCache cache{service, clock};
};

TEST_F(ProfileCacheTest, SettledFileIsAnsweredFromMemoryQuestionByQuestion)
{
    Touch(10, 0);
    EXPECT_EQ(Read("s", "k"), "s:k=v1");
    EXPECT_EQ(Read("s", "k"), "s:k=v1");
    EXPECT_EQ(cache.GetInt("s", "n", 4, "f.ini"), 5u);
    EXPECT_EQ(cache.GetInt("s", "n", 4, "f.ini"), 5u);
    EXPECT_EQ(service.reads, 2);
    // Every other question goes to the service: another name, another buffer size (it
    // can cut differently), another default, and an absent name rather than an empty one.
    Read("s", "other");
    Read("t", "k");
    Read("s", "k", 8);
    cache.GetInt("s", "n", 2, "f.ini");
    Read("s", nullptr);
    Read("s", "");
    EXPECT_EQ(service.reads, 8);
}

TEST_F(ProfileCacheTest, AnyChangeOfTheStampIsSeenAtTheNextRead)
{
    Touch(10, 0);
    Read("s", "k");
    service.value = "v2";
    Touch(11, 0);  // grown, same time
    EXPECT_EQ(Read("s", "k"), "s:k=v2");
    service.value = "v3";
    Touch(11, 5);  // same size, later time
    EXPECT_EQ(Read("s", "k"), "s:k=v3");
}

TEST_F(ProfileCacheTest, ARecentlyWrittenFileIsNeverTrusted)
{
    // Written 50 ticks ago, trusted only after 100: another write in the same time stamp
    // and of the same size would go unseen, so every read goes to the file.
    Touch(10, clock.now - 50);
    Read("s", "k");
    service.value = "v2";
    EXPECT_EQ(Read("s", "k"), "s:k=v2");

    clock.now += 60;  // now old enough
    Read("s", "k");
    Read("s", "k");
    EXPECT_EQ(cache.Hits(), 1u);
}

TEST_F(ProfileCacheTest, AbsentFileIsRememberedUntilItAppearsAndWritesForgetTheFile)
{
    Read("s", "k");
    Read("s", "k");
    EXPECT_EQ(service.reads, 1);
    Touch(3, 0);
    Read("s", "k");
    EXPECT_TRUE(cache.WriteString("s", "k", "x", "f.ini"));
    Read("s", "k");
    EXPECT_TRUE(cache.WriteSection("s", "a=1\0", "f.ini"));
    Read("s", "k");
    EXPECT_EQ(service.reads, 4);
    EXPECT_EQ(service.writes, 2);
}

TEST_F(ProfileCacheTest, WithoutAWatchOneReadingChecksEachFileOnce)
{
    Touch(10, 0);
    const auto get = [&](const char* key) { return cache.GetInt("main", key, 0, "f.ini"); };

    cache.BeginReading(true);
    get("bGlue");
    get("iGlueX");
    // An edit in the middle of a reading waits for the next one: the settings read
    // together come from one version of the file.
    Touch(11, 0);
    get("iGlueY");
    get("bGlue");
    EXPECT_EQ(service.reads, 3) << "bGlue again from the version the reading began with";
    EXPECT_EQ(clock.checks, 1);
    cache.EndReading();

    get("bGlue");
    EXPECT_EQ(service.reads, 4) << "the edit is seen at the next reading";
}

// Reports that arrive when the test says, and wait to be taken in until asked for.
struct ScriptedWatch : ChangeWatch {
    std::uint64_t taken = 0;
    std::uint64_t waiting = 0;
    int asks = 0;
    bool Covers(const char*) const override { return true; }
    std::uint64_t Reports() const override { return taken; }
    void TakeReports() override { ++asks, taken += std::exchange(waiting, 0); }
};

TEST_F(ProfileCacheTest, UnderAWatchAReadingLooksAtNoFileUntilAChangeIsReported)
{
    ScriptedWatch watch;
    ProfileCache watched(service, clock, &watch);
    // Just written: a stamp proves nothing about it yet, a report does.
    Touch(10, clock.now);
    const auto tick = [&](bool reportsTakenIn) {
        watched.BeginReading(reportsTakenIn);
        watched.GetInt("main", "iGlueX", 0, "f.ini");
        watched.GetInt("main", "iGlueX", 0, "f.ini");
        watched.EndReading();
    };

    tick(true);
    tick(true);
    EXPECT_EQ(service.reads, 1);
    EXPECT_EQ(clock.checks, 0) << "no stamp taken";
    EXPECT_EQ(watch.asks, 0) << "the loop took every report in";

    // Same size, same time stamp: only the report tells. A reading that no loop served
    // asks for it; one that a loop served finds it taken in.
    watch.waiting = 1;
    tick(false);
    EXPECT_EQ(watch.asks, 1);
    ++watch.taken;
    tick(true);
    EXPECT_EQ(service.reads, 3);
}

}  // namespace
}  // namespace quorbel
