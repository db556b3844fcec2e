#include "tests/e2e/support/IniFiles.h"

#include <windows.h>

#include <vector>

namespace quorbel::e2e {

std::string ReadIniString(const std::string& path, const std::string& section, const std::string& key,
                          const std::string& fallback)
{
    std::vector<char> buffer(65536);  // larger than any value the program writes
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), path.c_str());
    return std::string(buffer.data(), length);
}

int ReadIniInt(const std::string& path, const std::string& section, const std::string& key, int fallback)
{
    return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), fallback, path.c_str()));
}

bool IniHasKey(const std::string& path, const std::string& section, const std::string& key)
{
    // Two different defaults can both come back only when the key is really there.
    return ReadIniString(path, section, key, "\x01") != "\x01" || ReadIniString(path, section, key, "\x02") != "\x02";
}

}  // namespace quorbel::e2e
