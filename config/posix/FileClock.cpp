#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "config/ProfileCache.h"

namespace quorbel {

namespace {

std::int64_t Nanoseconds(const timespec& time)
{
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

class DescriptorHold final : public FileHold {
public:
    explicit DescriptorHold(int fd) : fd_(fd) {}
    ~DescriptorHold() override { close(fd_); }
    DescriptorHold(const DescriptorHold&) = delete;
    DescriptorHold& operator=(const DescriptorHold&) = delete;

private:
    int fd_;
};

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

    std::unique_ptr<FileHold> HoldForReading(const char* path) override
    {
        const int fd = open(path, O_RDONLY | O_CLOEXEC);
        if (fd >= 0)
            return std::make_unique<DescriptorHold>(fd);
        if (errno == ENOENT || errno == ENOTDIR)
            return std::make_unique<FileHold>();
        return nullptr;
    }
};

}  // namespace

FileClock& PlatformFileClock()
{
    static PosixFileClock clock;
    return clock;
}

}  // namespace quorbel
