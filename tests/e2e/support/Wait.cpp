#include "tests/e2e/support/Wait.h"

#include <random>
#include <thread>

namespace quorbel::e2e {

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout, Phase phase)
{
    if (phase == Phase::Random)
        RandomTickPhase();
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(kPollInterval);
    }
}

bool HoldsFor(const std::function<bool()>& condition, std::chrono::milliseconds duration)
{
    return !WaitUntil([&] { return !condition(); }, duration);
}

void RandomTickPhase()
{
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<int> offset(0, static_cast<int>(kTickPeriod.count()) - 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(offset(generator)));
}

}  // namespace quorbel::e2e
