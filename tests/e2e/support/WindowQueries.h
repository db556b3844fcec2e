#pragma once
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "framework/Handles.h"
#include "tests/e2e/support/Wait.h"

namespace quorbel::e2e {

// Questions about the windows of other processes. Every message sent has a time-out, so
// a hung program fails a test instead of hanging it.

// The answer, or nothing when the window did not answer in time (or is gone).
inline std::optional<LRESULT> SendWithTimeout(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                              std::chrono::milliseconds timeout = 2s)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, static_cast<UINT>(timeout.count()),
                             &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

inline bool IsAnswering(HWND window, std::chrono::milliseconds timeout = 200ms)
{
    return SendWithTimeout(window, WM_NULL, 0, 0, timeout).has_value();
}

inline std::string ClassNameOf(HWND window)
{
    char name[260];
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

// WM_GETTEXT, in the system code page; nothing when the window does not answer.
inline std::optional<std::string> TextOf(HWND window)
{
    char text[4096];  // longer than any text the scenarios read
    const std::optional<LRESULT> copied =
        SendWithTimeout(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return copied ? std::optional<std::string>(std::string(text, static_cast<std::size_t>(*copied))) : std::nullopt;
}

inline RECT WindowRectOf(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

inline DWORD ProcessIdOf(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

inline BOOL CALLBACK CollectWindow(HWND window, LPARAM windows)
{
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

// Top-level windows of a process (0: of all), in Z order, visible or not.
inline std::vector<HWND> TopLevelWindowsOf(DWORD processId)
{
    std::vector<HWND> all;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> windows;
    for (HWND window : all)
        if (ProcessIdOf(window) == processId || processId == 0)
            windows.push_back(window);
    return windows;
}

// The bar is the process's top-level dialog ("#32770") without a caption; its dialogs
// and message boxes have captions.
inline std::vector<HWND> DialogsOf(DWORD processId, bool captioned = true)
{
    std::vector<HWND> dialogs;
    for (HWND window : TopLevelWindowsOf(processId))
        if (ClassNameOf(window) == "#32770" &&
            ((GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION) == captioned)
            dialogs.push_back(window);
    return dialogs;
}

inline HWND FindBarWindow(DWORD quorbelProcessId)
{
    const std::vector<HWND> bars = DialogsOf(quorbelProcessId, false);
    return bars.empty() ? nullptr : bars.front();
}

// The popup menu on screen (a visible top-level "#32768"), if any.
inline HWND FindOpenMenu()
{
    for (HWND window : TopLevelWindowsOf(0))
        if (ClassNameOf(window) == "#32768" && IsWindowVisible(window))
            return window;
    return nullptr;
}

// Makes `window` the foreground window (Wine has no foreground lock) and waits until it
// stays there for a few ticks.
inline bool BringToForeground(HWND window, std::chrono::milliseconds timeout = kDefaultTimeout)
{
    // Asked again while it does not hold: under Wine a focus change that the X server
    // reports late can undo the first.
    return WaitUntil([window] {
        if (GetForegroundWindow() != window)
            SetForegroundWindow(window);
        return GetForegroundWindow() == window &&
               HoldsFor([window] { return GetForegroundWindow() == window; }, 3 * kTickPeriod);
    }, timeout);
}

// TB_GETITEMRECT, through a buffer in the toolbar's process, in screen coordinates.
inline std::optional<RECT> ToolbarButtonRect(HWND toolbar, int index)
{
    const fw::KernelObject process(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, ProcessIdOf(toolbar)));
    void* remote = process ? VirtualAllocEx(process.get(), nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE) : nullptr;
    if (!remote)
        return std::nullopt;
    RECT rect{};
    const bool ok = SendWithTimeout(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index),
                                    reinterpret_cast<LPARAM>(remote)).value_or(0) &&
                    ReadProcessMemory(process.get(), remote, &rect, sizeof rect, nullptr);
    VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
    if (!ok)
        return std::nullopt;
    MapWindowPoints(toolbar, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace quorbel::e2e
