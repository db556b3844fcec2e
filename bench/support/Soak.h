#pragma once
#include <chrono>

#include "bench/support/ProcessFootprint.h"
#include "tests/e2e/support/Session.h"

namespace quorbel::e2e {

struct SoakResult {
    int steps = 0;
    int missedGlue = 0;   // the host was in front and the bar was not beside it in time
    int missedHide = 0;   // the host was minimised and the bar stayed visible
    Footprint before;
    Footprint after;
};

// The bar glued to `host`, which moves or is minimised and restored every second for
// `duration`.
SoakResult Soak(Session& session, HWND host, HWND bar, std::chrono::seconds duration);

}  // namespace quorbel::e2e
