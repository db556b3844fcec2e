#pragma once
#include <windows.h>

namespace quorbel::e2e {

// A key held down on the X server itself (xdotool, through the XTEST extension), for a
// key state that must survive focus changes. Wine reads the keyboard back from the X
// server whenever one of its windows gains the focus, and a key that only SendInput
// pressed is then taken as released; a key pressed in X stays down. The constructor
// returns once Wine sees the key down (a window of some Wine program must have the X
// focus to pass it on); the key is released when the object goes, also when a test
// fails. Throws HarnessError when xdotool cannot run or the key does not arrive.
class XHeldKey {
public:
    // VK_CONTROL, VK_SHIFT or VK_MENU.
    explicit XHeldKey(WORD virtualKey);
    ~XHeldKey();
    XHeldKey(const XHeldKey&) = delete;
    XHeldKey& operator=(const XHeldKey&) = delete;

private:
    WORD key_;
};

}  // namespace quorbel::e2e
