#include "config/FileBytes.h"

#include <cerrno>

namespace quorbel {

FileRead ReadWholeFile(const char* path, std::string& bytes)
{
    bytes.clear();
    errno = 0;
    FileHandle file(std::fopen(path, "rb"));
    if (!file)
        return errno == ENOENT ? FileRead::Missing : FileRead::Failed;
    char chunk[16384];
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
        bytes.append(chunk, got);
        if (got < sizeof chunk)
            break;
    }
    if (std::ferror(file.get())) {
        bytes.clear();
        return FileRead::Failed;
    }
    return FileRead::Read;
}

bool ReplaceWholeFile(const std::string& path, std::string_view bytes)
{
    if (IsReadOnlyFile(path))
        return false;
    const std::string temporary = path + ".~new";
    {
        FileHandle file(std::fopen(temporary.c_str(), "wb"));
        if (!file)
            return false;
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
                             std::fflush(file.get()) == 0 && FlushFileToDisk(file.get());
        if (!written) {
            file.reset();
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (!MoveFileOver(temporary, path)) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace quorbel
