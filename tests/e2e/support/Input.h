#pragma once
#include <windows.h>

#include <initializer_list>

namespace quorbel::e2e {

// Real input through SendInput. Wine delivers it as hardware input to whatever window is
// under the pointer or has the focus, and updates the key state every program sees
// (GetKeyState in the bar sees a held Ctrl).

void PressKey(WORD virtualKey);

// Holds a key down for the life of the object, so that a failing test cannot leave it
// pressed for the tests after it.
class HeldKey {
public:
    explicit HeldKey(WORD virtualKey);
    ~HeldKey();
    HeldKey(const HeldKey&) = delete;
    HeldKey& operator=(const HeldKey&) = delete;

private:
    WORD key_;
};

enum class MouseButton { Left, Right };

// Screen coordinates.
void MoveMouse(POINT screen);
void MouseDown(MouseButton button);
void MouseUp(MouseButton button);
void Click(POINT screen, MouseButton button = MouseButton::Left);
// Presses at `from`, moves to `to` in a few steps, releases.
void Drag(POINT from, POINT to, MouseButton button = MouseButton::Left);
// The centre of a window, in screen coordinates.
POINT CentreOf(HWND window);

// Posts WM_KEYDOWN and WM_KEYUP to a window of another process. This is how an open
// popup menu is driven: its modal loop takes key messages of any window of its thread.
void PostKey(HWND window, WORD virtualKey);
void PostKeys(HWND window, std::initializer_list<WORD> virtualKeys);

}  // namespace quorbel::e2e
