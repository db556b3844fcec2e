#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "config/FileBytes.h"

namespace quorbel {

bool IsReadOnlyFile(const std::string& path)
{
    struct stat status;
    if (stat(path.c_str(), &status) != 0)
        return false;
    return (status.st_mode & S_IWUSR) == 0 || access(path.c_str(), W_OK) != 0;
}

bool FlushFileToDisk(std::FILE* file)
{
    return fsync(fileno(file)) == 0;
}

bool MoveFileOver(const std::string& from, const std::string& to)
{
    // The new file takes over the permissions of the one it replaces.
    struct stat status;
    if (stat(to.c_str(), &status) == 0)
        chmod(from.c_str(), status.st_mode & 07777);
    return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace quorbel
