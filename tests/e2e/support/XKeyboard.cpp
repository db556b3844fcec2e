#include "tests/e2e/support/XKeyboard.h"

#include <string>

#include "tests/e2e/support/HarnessError.h"
#include "tests/e2e/support/Process.h"
#include "tests/e2e/support/Wait.h"

namespace quorbel::e2e {

namespace {

// Wine starts a program of the Unix side like any other, and it inherits the display;
// but the handle it returns for one cannot be waited on, so what xdotool did is seen
// in the key state instead.
constexpr char kXdotool[] = "Z:\\usr\\bin\\xdotool";

const char* KeysymOf(WORD virtualKey)
{
    if (virtualKey != VK_CONTROL && virtualKey != VK_SHIFT && virtualKey != VK_MENU)
        throw HarnessError("no X name for virtual key " + std::to_string(virtualKey));
    return virtualKey == VK_CONTROL ? "ctrl" : virtualKey == VK_SHIFT ? "shift" : "alt";
}

bool IsDown(WORD virtualKey)
{
    return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

}  // namespace

XHeldKey::XHeldKey(WORD virtualKey) : key_(virtualKey)
{
    Process::Start(kXdotool, {"keydown", KeysymOf(key_)});
    if (!WaitUntil([&] { return IsDown(key_); }))
        throw HarnessError(std::string("xdotool keydown ") + KeysymOf(key_) + " did not reach Wine");
}

XHeldKey::~XHeldKey()
{
    try {
        Process::Start(kXdotool, {"keyup", KeysymOf(key_)});
        WaitUntil([&] { return !IsDown(key_); });
    } catch (const HarnessError&) {
        // Nothing more can be done for the key from here.
    }
}

}  // namespace quorbel::e2e
