#pragma once
#include <windows.h>

#include <optional>

#include "framework/Window.h"

namespace quorbel::test {

// An invisible top-level window to parent the controls under test and to receive what
// they post.
class TestWindow : public fw::Window {
public:
    TestWindow();

    // The first message `message` waiting for this window, taken from the queue.
    std::optional<MSG> TakePosted(UINT message);
};

}  // namespace quorbel::test
