#include "tests/e2e/support/Input.h"

#include "tests/e2e/support/Process.h"
#include "tests/e2e/support/Wait.h"

namespace quorbel::e2e {

namespace {

constexpr char kXdotool[] = "Z:\\usr\\bin\\xdotool";

bool CtrlIsDown()
{
    return (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
}

void SendMouse(DWORD flags, LONG dx = 0, LONG dy = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi = MOUSEINPUT{dx, dy, 0, flags, 0, 0};
    SendInput(1, &input, sizeof input);
}

}  // namespace

XHeldCtrl::XHeldCtrl()
{
    Process::Start(kXdotool, {"keydown", "ctrl"});
    if (!WaitUntil(CtrlIsDown))
        throw HarnessError("xdotool keydown ctrl did not reach Wine");
}

XHeldCtrl::~XHeldCtrl()
{
    try {
        Process::Start(kXdotool, {"keyup", "ctrl"});
        WaitUntil([] { return !CtrlIsDown(); });
    } catch (const HarnessError&) {
    }
}

void MoveMouse(POINT screen)
{
    // Absolute coordinates run from 0 to 65535 across the primary screen.
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1),
              MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1));
}

void MouseDown(MouseButton button)
{
    SendMouse(button == MouseButton::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN);
}

void MouseUp(MouseButton button)
{
    SendMouse(button == MouseButton::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP);
}

void Click(POINT screen, MouseButton button)
{
    MoveMouse(screen);
    MouseDown(button);
    MouseUp(button);
}

POINT CentreOf(const RECT& r)
{
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT CentreOf(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return CentreOf(r);
}

void PostKey(HWND window, WORD virtualKey)
{
    // Repeat count 1 and the scan code; key-up adds the previous-state and transition bits.
    const LPARAM data = 1 | (static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16);
    PostMessageW(window, WM_KEYDOWN, virtualKey, data);
    PostMessageW(window, WM_KEYUP, virtualKey, data | static_cast<LPARAM>(0xC0000000u));
}

}  // namespace quorbel::e2e
