#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace quorbel::test {

// A drop handle as the shell makes one: DROPFILES, then the names (system code page),
// each ended by a zero byte, and one more zero. Whoever handles WM_DROPFILES frees it.
HDROP MakeDrop(const std::vector<std::string>& names);

}  // namespace quorbel::test
