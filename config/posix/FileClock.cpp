#include <sys/stat.h>

#include <ctime>

#include "config/ProfileCache.h"

namespace quorbel {

namespace {

std::int64_t Nanoseconds(const timespec& time)
{
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

class PosixFileClock final : public FileClock {
public:
    FileStamp Stamp(const char* path) override
    {
        struct stat info;
        if (stat(path, &info) != 0)
            return FileStamp{};
        FileStamp stamp;
        stamp.exists = true;
        stamp.size = static_cast<std::uint64_t>(info.st_size);
        stamp.writeTime = Nanoseconds(info.st_mtim);
        // A file replaced by another (renamed over it) is another inode.
        stamp.creationTime = static_cast<std::int64_t>(info.st_ino);
        return stamp;
    }

    std::int64_t Now() override
    {
        timespec now;
        clock_gettime(CLOCK_REALTIME, &now);
        return Nanoseconds(now);
    }

    std::int64_t TrustAfter() override { return 3'000'000'000; }
};

}  // namespace

FileClock& PlatformFileClock()
{
    static PosixFileClock clock;
    return clock;
}

}  // namespace quorbel
