#pragma once
#include <windows.h>

namespace quorbel::e2e {

// The Ctrl key held down on the X server itself (xdotool keydown), as a user holds it,
// for the life of the object: Wine reads the keyboard back from X when one of its windows
// gains the focus and as it takes in the window system's events, and a key that only
// SendInput pressed is then taken as released. Wine can start the Unix program but not
// wait on it, so the key state tells when it has acted.
class XHeldCtrl {
public:
    XHeldCtrl();
    ~XHeldCtrl();
    XHeldCtrl(const XHeldCtrl&) = delete;
    XHeldCtrl& operator=(const XHeldCtrl&) = delete;
};

enum class MouseButton { Left, Right };

// Real input through SendInput, which Wine delivers as hardware input. Screen coordinates.
void MoveMouse(POINT screen);
void MouseDown(MouseButton button);
void MouseUp(MouseButton button);
void Click(POINT screen, MouseButton button = MouseButton::Left);
POINT CentreOf(const RECT& r);
POINT CentreOf(HWND window);

// WM_KEYDOWN and WM_KEYUP posted to a window of another process: an open popup menu's
// modal loop takes the key messages of any window of its thread.
void PostKey(HWND window, WORD virtualKey);

}  // namespace quorbel::e2e
