#pragma once
#include <windows.h>

#include <initializer_list>

namespace quorbel::e2e {

// Real input through SendInput: Wine delivers it as hardware input and updates the key
// state every program sees. Held down for the life of the object, so a failing test
// cannot leave it pressed.
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
POINT CentreOf(HWND window);

// WM_KEYDOWN and WM_KEYUP posted to a window of another process: an open popup menu's
// modal loop takes the key messages of any window of its thread.
void PostKey(HWND window, WORD virtualKey);
void PostKeys(HWND window, std::initializer_list<WORD> virtualKeys);

}  // namespace quorbel::e2e
