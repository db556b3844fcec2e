#include <windows.h>

#include "config/IniPath.h"

namespace quorbel {

std::string ModuleFileName()
{
    char buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    // A full buffer means the path was cut: no directory can be trusted from it.
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    return std::string(buffer, length);
}

}  // namespace quorbel
