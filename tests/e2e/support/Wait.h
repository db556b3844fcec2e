#pragma once
#include <chrono>
#include <functional>

namespace quorbel::e2e {

using namespace std::chrono_literals;

// Long enough for anything a healthy Wine does; a test that needs it is failing anyway.
constexpr std::chrono::milliseconds kDefaultTimeout = 10s;
// How often a condition is looked at while waiting.
constexpr std::chrono::milliseconds kPollInterval = 10ms;
// The period of the bar's glue timer.
constexpr std::chrono::milliseconds kTickPeriod = 50ms;

enum class Phase {
    Now,     // look at the condition at once
    Random,  // first let a random part of one tick pass (see RandomTickPhase)
};

// Looks at `condition` every kPollInterval until it holds (true) or `timeout` has passed
// (false; the condition is looked at once more at the deadline).
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = kDefaultTimeout, Phase phase = Phase::Now);

// Looks at `condition` every kPollInterval for `duration`: false as soon as it fails.
// For "nothing happens" checks, which can only be made over a span of time.
bool HoldsFor(const std::function<bool()>& condition, std::chrono::milliseconds duration);

// Lets a random time between 0 and one tick pass. Steps measured against the bar's 50 ms
// timer from outside would otherwise lock to its ticks and always see the same phase.
void RandomTickPhase();

}  // namespace quorbel::e2e
