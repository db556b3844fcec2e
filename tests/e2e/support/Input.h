#pragma once
#include <windows.h>

#include "tests/e2e/support/Process.h"
#include "tests/e2e/support/Wait.h"

namespace quorbel::e2e {

// The Ctrl key held down on the X server itself (xdotool keydown), as a user holds it,
// for the life of the object: Wine reads the keyboard back from X when one of its windows
// gains the focus and as it takes in the window system's events, and a key that only
// SendInput pressed is then taken as released. Wine can start the Unix program but not
// wait on it, so the key state tells when it has acted.
class XHeldCtrl {
public:
    XHeldCtrl()
    {
        Process::Start(kXdotool, {"keydown", "ctrl"});
        if (!WaitUntil([] { return GetAsyncKeyState(VK_CONTROL) < 0; }))
            throw HarnessError("xdotool keydown ctrl did not reach Wine");
    }
    ~XHeldCtrl()
    {
        try {
            Process::Start(kXdotool, {"keyup", "ctrl"});
            WaitUntil([] { return GetAsyncKeyState(VK_CONTROL) >= 0; });
        } catch (const HarnessError&) {
        }
    }
    XHeldCtrl(const XHeldCtrl&) = delete;
    XHeldCtrl& operator=(const XHeldCtrl&) = delete;

    static constexpr char kXdotool[] = "Z:\\usr\\bin\\xdotool";
};

// Real input through SendInput, which Wine delivers as hardware input. Screen coordinates.
inline void SendMouse(DWORD flags, LONG dx = 0, LONG dy = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi = MOUSEINPUT{dx, dy, 0, flags, 0, 0};
    SendInput(1, &input, sizeof input);
}

inline void MoveMouse(POINT screen)
{
    // Absolute coordinates run from 0 to 65535 across the primary screen.
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1),
              MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1));
}

enum class MouseButton { Left, Right };

inline void Click(POINT screen, MouseButton button = MouseButton::Left)
{
    MoveMouse(screen);
    SendMouse(button == MouseButton::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN);
    SendMouse(button == MouseButton::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP);
}

// WM_KEYDOWN and WM_KEYUP posted to a window of another process: an open popup menu's
// modal loop takes the key messages of any window of its thread.
inline void PostKey(HWND window, WORD virtualKey)
{
    // Repeat count 1 and the scan code; key-up adds the previous-state and transition bits.
    const LPARAM data = 1 | (static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16);
    PostMessageW(window, WM_KEYDOWN, virtualKey, data);
    PostMessageW(window, WM_KEYUP, virtualKey, data | static_cast<LPARAM>(0xC0000000u));
}

}  // namespace quorbel::e2e
