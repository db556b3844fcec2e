#pragma once
#include <chrono>
#include <functional>

namespace quorbel::e2e {

using namespace std::chrono_literals;

constexpr std::chrono::milliseconds kDefaultTimeout = 10s;
constexpr std::chrono::milliseconds kPollInterval = 10ms;
// The period of the bar's glue timer.
constexpr std::chrono::milliseconds kTickPeriod = 50ms;

// Random: first let a random part of one tick pass (see RandomTickPhase).
enum class Phase { Now, Random };

// Polls `condition` until it holds (true) or `timeout` has passed (false; looked at once
// more at the deadline).
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = kDefaultTimeout, Phase phase = Phase::Now);

// Polls `condition` for `duration`: false as soon as it fails. For "nothing happens" checks.
bool HoldsFor(const std::function<bool()>& condition, std::chrono::milliseconds duration);

// Sleeps a random part of one tick, so that steps measured from outside do not lock to
// the bar's timer.
void RandomTickPhase();

}  // namespace quorbel::e2e
