#pragma once
#include "framework/Window.h"

namespace quorbel {

// An invisible top-level window that owns the bar, so that the bar gets no taskbar
// button of its own. It is never shown.
class HiddenOwnerWindow : public fw::Window {
public:
    bool Create();
};

}  // namespace quorbel
