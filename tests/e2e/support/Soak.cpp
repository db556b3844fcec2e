#include "tests/e2e/support/Soak.h"

#include <random>

#include "tests/e2e/support/IniFiles.h"
#include "tests/e2e/support/WindowQueries.h"

namespace quorbel::e2e {

SoakResult Soak(Session& session, HWND bar, std::chrono::seconds duration)
{
    SoakResult result;
    StandInHost& host = *session.Hosts().front();
    const HWND window = host.Window();
    const int glueX = ReadIniInt(session.QuorbelIniPath(), "main", "iGlueX", 100);
    const int glueY = ReadIniInt(session.QuorbelIniPath(), "main", "iGlueY", 100);
    std::mt19937 random(5);
    result.before = FootprintOf(session.Quorbel().Handle(), session.Quorbel().Id());

    const auto start = std::chrono::steady_clock::now();
    const auto end = start + duration;
    auto nextStep = start;
    while (std::chrono::steady_clock::now() < end) {
        // One change of the host a second: the pace is the scenario, not a wait for it.
        nextStep += std::chrono::seconds(1);
        ++result.steps;
        if (result.steps % 3 == 0) {
            SendWithTimeout(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            if (!WaitUntil([&] { return !IsWindowVisible(bar); }, std::chrono::seconds(2)))
                ++result.missedHide;
            SendWithTimeout(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        } else {
            const int x = 50 + static_cast<int>(random() % 400);
            const int y = 50 + static_cast<int>(random() % 300);
            SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        BringToForeground(window, std::chrono::seconds(3));
        const RECT place = WindowRectOf(window);
        const bool glued = WaitUntil([&] {
            const RECT r = WindowRectOf(bar);
            return IsWindowVisible(bar) && r.left == place.left + glueX && r.top == place.top + glueY;
        }, std::chrono::seconds(2));
        if (!glued)
            ++result.missedGlue;
        const auto now = std::chrono::steady_clock::now();
        if (now < nextStep)
            Sleep(static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(nextStep - now).count()));
    }
    result.after = FootprintOf(session.Quorbel().Handle(), session.Quorbel().Id());
    return result;
}

}  // namespace quorbel::e2e
