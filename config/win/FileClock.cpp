#include <windows.h>

#include "config/ProfileCache.h"

namespace quorbel {

namespace {

std::int64_t Ticks(const FILETIME& time)
{
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

// File times in 100-nanosecond ticks, as the platform keeps them.
class Win32FileClock final : public FileClock {
public:
    FileStamp Stamp(const char* path) override
    {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data))
            return FileStamp{};
        FileStamp stamp;
        stamp.exists = true;
        stamp.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        stamp.writeTime = Ticks(data.ftLastWriteTime);
        stamp.creationTime = Ticks(data.ftCreationTime);
        return stamp;
    }

    std::int64_t Now() override
    {
        FILETIME now;
        GetSystemTimeAsFileTime(&now);
        return Ticks(now);
    }

    // Three seconds: FAT keeps two-second time stamps, and a little more covers a file
    // server whose clock runs slightly behind ours.
    std::int64_t TrustAfter() override { return 30'000'000; }
};

}  // namespace

FileClock& PlatformFileClock()
{
    static Win32FileClock clock;
    return clock;
}

}  // namespace quorbel
