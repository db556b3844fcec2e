#include <windows.h>

#include "config/ProfileCache.h"

namespace quorbel {

namespace {

std::int64_t Ticks(const FILETIME& time)
{
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

// An open file handle, closed when the hold goes.
class OpenFileHold final : public FileHold {
public:
    explicit OpenFileHold(HANDLE file) : file_(file) {}
    ~OpenFileHold() override { CloseHandle(file_); }
    OpenFileHold(const OpenFileHold&) = delete;
    OpenFileHold& operator=(const OpenFileHold&) = delete;

private:
    HANDLE file_;
};

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

    std::unique_ptr<FileHold> HoldForReading(const char* path) override
    {
        // The access and sharing GetPrivateProfileString opens with: while this handle is
        // open, the service's open fails exactly when this one did.
        HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            return std::make_unique<OpenFileHold>(file);
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return std::make_unique<FileHold>();
        return nullptr;
    }
};

}  // namespace

FileClock& PlatformFileClock()
{
    static Win32FileClock clock;
    return clock;
}

}  // namespace quorbel
