#include <unistd.h>

#include <climits>

#include "config/IniPath.h"

namespace quorbel {

std::string ModuleFileName()
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof buffer)
        return std::string();
    return std::string(buffer, static_cast<std::size_t>(length));
}

}  // namespace quorbel
