#pragma once
#include <chrono>
#include <functional>
#include <random>
#include <thread>

namespace quorbel::e2e {

using namespace std::chrono_literals;

constexpr std::chrono::milliseconds kDefaultTimeout = 10s;
// The period of the bar's glue timer.
constexpr std::chrono::milliseconds kTickPeriod = 50ms;

// Sleeps a random part of one tick, so that steps measured from outside do not lock to
// the bar's timer.
inline void RandomTickPhase()
{
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<int> offset(0, static_cast<int>(kTickPeriod.count()) - 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(offset(generator)));
}

// Polls `condition` until it holds (true) or `timeout` has passed (false; looked at once
// more at the deadline).
inline bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = kDefaultTimeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

// Polls `condition` for `duration`: false as soon as it fails. For "nothing happens" checks.
inline bool HoldsFor(const std::function<bool()>& condition, std::chrono::milliseconds duration)
{
    return !WaitUntil([&] { return !condition(); }, duration);
}

}  // namespace quorbel::e2e
