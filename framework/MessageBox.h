#pragma once
#include <windows.h>

namespace fw {

// A message box captioned with the application's title and owned by the window that
// is active in this thread (or the main window), so that it stays with the program.
int ShowMessage(const wchar_t* text, UINT style = MB_OK);

}  // namespace fw
