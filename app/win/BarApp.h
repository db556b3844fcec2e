#pragma once
#include "framework/Application.h"

namespace quorbel {

// The application object. Its whole life is one modal run of the bar: start-up refuses
// a second copy, makes the invisible owner window, runs the bar, and tears down.
class BarApp : public fw::Application {
public:
    bool InitInstance() override;
};

// The number of the registered message "TaskbarCreated" (the shell restarted).
unsigned TaskbarCreatedMessage();

}  // namespace quorbel
