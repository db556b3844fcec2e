#pragma once
#include <string>

namespace quorbel::e2e {

// Reading what the bar wrote, through the same platform functions the bar uses, so that
// a test sees the file as the program does. For the exact bytes use ReadFileBytes
// (tests/support/TestFiles.h).
std::string ReadIniString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& fallback = std::string());
int ReadIniInt(const std::string& path, const std::string& section, const std::string& key,
               int fallback);
// True when the key is present in the section, whatever its value.
bool IniHasKey(const std::string& path, const std::string& section, const std::string& key);

}  // namespace quorbel::e2e
