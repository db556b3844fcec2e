#pragma once
#include <windows.h>

#include <string>

namespace quorbel {

// Every message to the host waits at most this long. A living host answers a message in
// a few milliseconds, a busy one within a few hundred; a hung one would otherwise freeze
// the bar, which is resident all day, for as long as the host hangs.
inline constexpr UINT kHostReplyTimeoutMs = 750;

// The host's main window, looked up afresh for every use; null when it is not running.
HWND FindHostWindow();

// Makes the host run command number `command`, then brings it to the foreground.
void SendHostCommand(int command);

// Types "cd " and `path` into the host's empty command line and presses Return, then
// brings the host to the foreground. Does nothing when the host or an empty command
// line cannot be found (a user typing there keeps the text).
void ChangeHostDirectory(std::string path);

// EnumChildWindows callback: stops at the first command-line combo box whose edit part
// is empty and stores it through `found` (an HWND*).
BOOL CALLBACK FindHostCommandLine(HWND child, LPARAM found);

}  // namespace quorbel
