#pragma once
#include <string>

namespace quorbel {

// The full path of an INI file beside the executable: the program's directory, a
// separator and `fileName`; the directory alone when `fileName` is null. The directory
// is found at the first call and kept; empty text when it cannot be found (the next
// call tries again).
std::string IniPath(const char* fileName);

// The executable's own path as the platform reports it; empty text on failure.
std::string ModuleFileName();

// Tests: makes `directory` the program's directory (empty: find it again).
void SetProgramDirectory(std::string directory);

// Tests: replaces the platform's module path, read when the directory is found (null
// restores it).
void SetModuleFileNameSourceForTesting(std::string (*source)());

}  // namespace quorbel
