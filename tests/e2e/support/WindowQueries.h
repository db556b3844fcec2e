#pragma once
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/support/Wait.h"

namespace quorbel::e2e {

// Questions about the windows of other processes. Everything that sends a message to
// another process has a time-out, so a hung program fails a test instead of hanging it.

constexpr std::chrono::milliseconds kSendTimeout = 2s;

// SendMessageTimeout with SMTO_NORMAL: the answer, or nothing when the window did not
// answer in time (or is gone).
std::optional<LRESULT> SendWithTimeout(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                       std::chrono::milliseconds timeout = kSendTimeout);
// True when the window's thread answers a WM_NULL within `timeout`.
bool IsAnswering(HWND window, std::chrono::milliseconds timeout = 200ms);

std::string ClassNameOf(HWND window);
// The text of a window or control of any process (WM_GETTEXT, so an edit control's own
// text), in the system code page; nothing when it does not answer.
std::optional<std::string> TextOf(HWND window, std::chrono::milliseconds timeout = kSendTimeout);
RECT WindowRectOf(HWND window);
DWORD ProcessIdOf(HWND window);
DWORD ThreadIdOf(HWND window);

// Top-level windows of a process, in Z order, visible or not.
std::vector<HWND> TopLevelWindowsOf(DWORD processId);
// Top-level windows of a class (any process), in Z order.
std::vector<HWND> TopLevelWindowsOfClass(const std::string& className);
// Every descendant of `parent` whose class is `className` (compared ignoring case),
// in the order EnumChildWindows visits them.
std::vector<HWND> DescendantsOfClass(HWND parent, const std::string& className);

// The bar of a running Quorbel: its top-level dialog ("#32770") without a caption.
// Dialogs and message boxes of the same process have captions.
HWND FindBarWindow(DWORD quorbelProcessId);
// Captioned dialogs and message boxes of a process (top-level "#32770" with WS_CAPTION).
std::vector<HWND> DialogsOf(DWORD processId);
// The popup menu on screen (a visible top-level "#32768"), if any.
HWND FindOpenMenu();

HWND ForegroundWindow();
std::string ForegroundClassName();
// Makes `window` the foreground window and waits until it is (Wine has no foreground
// lock, so this works from any process).
bool BringToForeground(HWND window, std::chrono::milliseconds timeout = kDefaultTimeout);

}  // namespace quorbel::e2e
