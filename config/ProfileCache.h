#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>

#include "config/ChangeWatch.h"
#include "config/ProfileApi.h"

namespace quorbel {

// What the file system says about a file, enough to notice any change of it.
struct FileStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::int64_t writeTime = 0;     // in the units of FileClock::Now
    std::int64_t creationTime = 0;  // a file replaced by another of the same size differs here
    bool operator==(const FileStamp& o) const
    {
        return exists == o.exists && size == o.size && writeTime == o.writeTime && creationTime == o.creationTime;
    }
    bool operator!=(const FileStamp& o) const { return !(*this == o); }
};

// Keeps a file open for reading while it lives; holds nothing for an absent file.
class FileHold {
public:
    virtual ~FileHold() = default;
};

// The file system and the clock, as the cache needs them.
class FileClock {
public:
    virtual ~FileClock() = default;
    virtual FileStamp Stamp(const char* path) = 0;
    // The time now, in the units of FileStamp::writeTime.
    virtual std::int64_t Now() = 0;
    // How old a file must be before its stamp can be trusted to change with its content:
    // more than the coarsest time stamp a file system keeps (FAT: 2 seconds).
    virtual std::int64_t TrustAfter() = 0;
    // Opens the file for reading as the profile service opens it (read access, sharing
    // reading and writing) and keeps it open while the hold lives, so that no program can
    // lock the file in between. Null when the file is there but cannot be opened so,
    // which is when the service answers its defaults instead of the file's values.
    virtual std::unique_ptr<FileHold> HoldForReading(const char* path) = 0;
};

FileClock& PlatformFileClock();

// Remembers what the profile service answered and gives the same answer again while the
// file is provably the same, so that an edit made by hand or by any other program is
// still seen at the very next read.
//
// Outside a reading every read first asks for the file's stamp (one cheap call instead
// of opening and parsing the file). A stamp proves nothing about a file written so
// recently that a second write could fall into the same tick of its time stamp without
// changing its size: answers about such a file are neither kept nor given from memory
// (version-control tools treat "racily clean" files the same way).
//
// Within one reading (BeginReading .. EndReading: the settings of one timer tick, read
// while no window message is handled) a file that a change watch covers is trusted as
// long as the watch has reported no change since it was read, whatever its time stamps
// say, and no file is looked at; any other file is checked once, at its first read. A
// reading begun within another starts afresh.
//
// Writes go to the service and forget the file. A read that could not open the file
// (another program held it locked) is not remembered: its answer is the service's
// defaults, not the file's values.
//
// Like the rest of the program it belongs to the user-interface thread: it has no lock.
class ProfileCache final : public ProfileApi {
public:
    ProfileCache(ProfileApi& service, FileClock& clock, ChangeWatch* watch = nullptr)
        : service_(service), clock_(clock), watch_(watch)
    {
    }

    std::uint32_t GetString(const char* section, const char* key, const char* fallback,
                            char* buffer, std::uint32_t size, const char* path) override;
    std::uint32_t GetInt(const char* section, const char* key, std::int32_t fallback,
                         const char* path) override;
    bool WriteString(const char* section, const char* key, const char* value,
                     const char* path) override;
    bool WriteSection(const char* section, const char* lines, const char* path) override;
    void BeginReading(bool reportsTakenIn) override;
    void EndReading() override;

    // For tests and benchmarks: how many reads were answered from memory.
    std::uint64_t Hits() const { return hits_; }

private:
    // A null name and an empty one ask different questions.
    struct Name {
        bool present = false;
        std::string text;
        bool operator<(const Name& o) const { return std::tie(present, text) < std::tie(o.present, o.text); }
    };
    using Query = std::tuple<int, Name, Name, Name, std::uint32_t>;
    struct Answer {
        std::uint32_t result = 0;
        std::string bytes;  // what the service left in the buffer that matters
    };
    // The answers about one file, and what they were given under: the stamp the file had,
    // and the count of change reports of its folder. Either proves them current.
    struct FileMemory {
        std::optional<FileStamp> stamp;
        std::optional<std::uint64_t> reports;
        std::map<Query, Answer> answers;
    };

    // The memory of `path` if the file can be trusted to be as it was; null otherwise.
    FileMemory* Trusted(const char* path);
    FileMemory* ByReports(const char* path);
    FileMemory* CheckStamp(const char* path);
    void Forget(const char* path);

    ProfileApi& service_;
    FileClock& clock_;
    ChangeWatch* watch_;
    std::map<std::string, FileMemory, std::less<>> files_;
    bool reading_ = false;
    // The watch's report count when the current reading began.
    std::uint64_t readingReports_ = 0;
    // What the first stamp check of each file in the current reading found.
    std::map<std::string, FileMemory*, std::less<>> checkedInReading_;
    std::uint64_t hits_ = 0;
};

// The store the program reads and writes through by default: the platform's service
// behind a ProfileCache.
ProfileApi& CachedPlatformProfile();

}  // namespace quorbel
