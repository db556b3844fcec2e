#include "config/win/Win32Profile.h"

#include <windows.h>

namespace quorbel {

std::uint32_t Win32Profile::GetString(const char* section, const char* key, const char* fallback,
                                      char* buffer, std::uint32_t size, const char* path)
{
    return GetPrivateProfileStringA(section, key, fallback, buffer, size, path);
}

std::uint32_t Win32Profile::GetInt(const char* section, const char* key, std::int32_t fallback,
                                   const char* path)
{
    return GetPrivateProfileIntA(section, key, fallback, path);
}

bool Win32Profile::WriteString(const char* section, const char* key, const char* value,
                               const char* path)
{
    return WritePrivateProfileStringA(section, key, value, path) != FALSE;
}

bool Win32Profile::WriteSection(const char* section, const char* lines, const char* path)
{
    return WritePrivateProfileSectionA(section, lines, path) != FALSE;
}

ProfileApi& PlatformProfile()
{
    static Win32Profile profile;
    return profile;
}

}  // namespace quorbel
