#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace quorbel::test {

// A drop handle as the shell makes one: DROPFILES with fWide set, then the names in
// UTF-16, each ended by a zero, and one more zero. Whoever handles WM_DROPFILES frees it.
HDROP MakeDrop(const std::vector<std::wstring>& names);

// The same for names in the system code page.
HDROP MakeDrop(const std::vector<std::string>& names);

}  // namespace quorbel::test
