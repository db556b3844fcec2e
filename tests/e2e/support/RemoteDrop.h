#pragma once
#include <windows.h>

#include <string>

namespace quorbel::e2e {

// Drops `path` on the toolbar of another process as the shell does: the pointer at
// `screen`, then WM_DROPFILES with a drop block made in that process's memory (a
// drop handle of ours would mean nothing there). The block is left to the target, whose
// handler releases it.
bool DropOnToolbar(HWND toolbar, DWORD processId, POINT screen, const std::string& path);

}  // namespace quorbel::e2e
