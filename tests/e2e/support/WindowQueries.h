#pragma once
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/support/Wait.h"

namespace quorbel::e2e {

// Questions about the windows of other processes. Every message sent has a time-out, so
// a hung program fails a test instead of hanging it.

// The answer, or nothing when the window did not answer in time (or is gone).
std::optional<LRESULT> SendWithTimeout(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                       std::chrono::milliseconds timeout = 2s);
bool IsAnswering(HWND window, std::chrono::milliseconds timeout = 200ms);  // a WM_NULL in time

std::string ClassNameOf(HWND window);
// WM_GETTEXT, in the system code page; nothing when the window does not answer.
std::optional<std::string> TextOf(HWND window, std::chrono::milliseconds timeout = 2s);
RECT WindowRectOf(HWND window);
DWORD ProcessIdOf(HWND window);

// Top-level windows of a process (0: of all), in Z order, visible or not.
std::vector<HWND> TopLevelWindowsOf(DWORD processId);

// The bar is the process's top-level dialog ("#32770") without a caption; its dialogs
// and message boxes have captions.
HWND FindBarWindow(DWORD quorbelProcessId);
std::vector<HWND> DialogsOf(DWORD processId);
// The popup menu on screen (a visible top-level "#32768"), if any.
HWND FindOpenMenu();


// The bar's toolbar and what it shows. TB_GETITEMRECT comes back in screen coordinates,
// through a buffer in the toolbar's process.
HWND FindToolbar(HWND bar);
int ToolbarButtonCount(HWND toolbar);
int ToolbarButtonImage(HWND toolbar, int commandId);  // -1 when it does not answer
std::optional<RECT> ToolbarButtonRect(HWND toolbar, int index);
// Makes `window` the foreground window (Wine has no foreground lock) and waits until it
// stays there for a few ticks.
bool BringToForeground(HWND window, std::chrono::milliseconds timeout = kDefaultTimeout);

}  // namespace quorbel::e2e
