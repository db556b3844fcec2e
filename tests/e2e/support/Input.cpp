#include "tests/e2e/support/Input.h"

namespace quorbel::e2e {

namespace {

void SendKey(WORD virtualKey, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void SendMouse(DWORD flags, LONG dx = 0, LONG dy = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// The lParam of a posted key message: repeat count 1, the scan code, and for key-up the
// previous-state and transition bits, as the system would fill them in.
LPARAM KeyData(WORD virtualKey, bool up)
{
    LPARAM data = 1 | (static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16);
    if (up)
        data |= (static_cast<LPARAM>(1) << 30) | (static_cast<LPARAM>(1) << 31);
    return data;
}

}  // namespace

void PressKey(WORD virtualKey)
{
    SendKey(virtualKey, 0);
    SendKey(virtualKey, KEYEVENTF_KEYUP);
}

HeldKey::HeldKey(WORD virtualKey) : key_(virtualKey)
{
    SendKey(key_, 0);
}

HeldKey::~HeldKey()
{
    SendKey(key_, KEYEVENTF_KEYUP);
}

void MoveMouse(POINT screen)
{
    // Absolute coordinates run from 0 to 65535 across the primary screen.
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const LONG dx = MulDiv(screen.x, 65535, width > 1 ? width - 1 : 1);
    const LONG dy = MulDiv(screen.y, 65535, height > 1 ? height - 1 : 1);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, dx, dy);
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

void Drag(POINT from, POINT to, MouseButton button)
{
    constexpr int kSteps = 8;
    MoveMouse(from);
    MouseDown(button);
    for (int i = 1; i <= kSteps; ++i)
        MoveMouse(POINT{from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps});
    MouseUp(button);
}

POINT CentreOf(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void PostKey(HWND window, WORD virtualKey)
{
    PostMessageW(window, WM_KEYDOWN, virtualKey, KeyData(virtualKey, false));
    PostMessageW(window, WM_KEYUP, virtualKey, KeyData(virtualKey, true));
}

void PostKeys(HWND window, std::initializer_list<WORD> virtualKeys)
{
    for (WORD key : virtualKeys)
        PostKey(window, key);
}

}  // namespace quorbel::e2e
