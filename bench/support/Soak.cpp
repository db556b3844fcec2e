#include "bench/support/Soak.h"

#include <random>
#include <thread>

#include "tests/e2e/support/WindowQueries.h"

namespace quorbel::e2e {

SoakResult Soak(Session& session, HWND window, HWND bar, std::chrono::seconds duration)
{
    SoakResult result;
    const int glueX = ReadIniInt(session.QuorbelIniPath(), "main", "iGlueX", 100);
    const int glueY = ReadIniInt(session.QuorbelIniPath(), "main", "iGlueY", 100);
    std::mt19937 random(5);
    result.before = FootprintOf(session.Quorbel().Handle(), session.Quorbel().Id());

    const auto end = std::chrono::steady_clock::now() + duration;
    for (auto nextStep = std::chrono::steady_clock::now(); std::chrono::steady_clock::now() < end;) {
        // One change of the host a second: the pace is the scenario, not a wait for it.
        nextStep += std::chrono::seconds(1);
        ++result.steps;
        if (result.steps % 3 == 0) {
            SendWithTimeout(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            result.missedHide += !WaitUntil([&] { return !IsWindowVisible(bar); }, std::chrono::seconds(2));
            SendWithTimeout(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        } else {
            SetWindowPos(window, nullptr, 50 + static_cast<int>(random() % 400), 50 + static_cast<int>(random() % 300),
                         0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        BringToForeground(window, std::chrono::seconds(3));
        const RECT place = WindowRectOf(window);
        result.missedGlue += !WaitUntil([&] {
            const RECT r = WindowRectOf(bar);
            return IsWindowVisible(bar) && r.left == place.left + glueX && r.top == place.top + glueY;
        }, std::chrono::seconds(2));
        std::this_thread::sleep_until(nextStep);
    }
    result.after = FootprintOf(session.Quorbel().Handle(), session.Quorbel().Id());
    return result;
}

}  // namespace quorbel::e2e
