#pragma once
#include <string>

namespace quorbel::e2e {

// What the bar wrote, read through the platform functions the bar uses.
std::string ReadIniString(const std::string& path, const std::string& section, const std::string& key,
                          const std::string& fallback = std::string());
int ReadIniInt(const std::string& path, const std::string& section, const std::string& key, int fallback);
bool IniHasKey(const std::string& path, const std::string& section, const std::string& key);

}  // namespace quorbel::e2e
