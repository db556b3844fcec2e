// How long the bar takes to follow the foreground: from another program coming to the
// front to the bar hidden, and from the host coming back to the bar shown. Measured from
// outside, with a random phase against the bar's 50 ms timer before every step.
//
//   wine-run bench_glue_latency.exe --quorbel=<Quorbel.exe> --host=<StandInHost.exe>

#include <windows.h>

#include <cstdio>

#include "bench/support/Scene.h"
#include "bench/support/Stats.h"
#include "tests/e2e/support/Session.h"
#include "tests/e2e/support/Wait.h"
#include "tests/e2e/support/WindowQueries.h"
#include "tests/support/TestFiles.h"

using namespace quorbel;
using namespace quorbel::e2e;

namespace {

constexpr int kRounds = 20;

HWND MakeOtherProgramWindow()
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QuorbelBenchOther";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700, 500, 300, 200,
                           nullptr, nullptr, wc.hInstance, nullptr);
}

// Makes `window` the foreground and measures until `done` holds; -1 when it never does.
template <class Done>
double TimeUntil(HWND window, Done done)
{
    RandomTickPhase();
    const double start = bench::NowMicroseconds();
    SetForegroundWindow(window);
    while (!done()) {
        if (bench::NowMicroseconds() - start > 3e6)
            return -1;
        Sleep(1);
    }
    return (bench::NowMicroseconds() - start) / 1000.0;
}

}  // namespace

int main()
{
    try {
        Session session;
        StandInHost& host = bench::SetScene(session, bench::kOneButton);
        session.StartQuorbel();
        const HWND bar = session.WaitForBar();
        const HWND other = MakeOtherProgramWindow();
        BringToForeground(host.Window());
        WaitUntil([&] { return IsWindowVisible(bar) != FALSE; });

        bench::Samples hidden;
        bench::Samples shown;
        int missed = 0;
        for (int round = 0; round < kRounds; ++round) {
            const double h = TimeUntil(other, [&] { return !IsWindowVisible(bar); });
            const double s = TimeUntil(host.Window(), [&] { return IsWindowVisible(bar) != FALSE; });
            if (h < 0 || s < 0) {
                ++missed;
                continue;
            }
            hidden.Add(h);
            shown.Add(s);
        }
        bench::PrintHeader("glue latency (milliseconds, 50 ms timer)");
        bench::PrintRow("other program to front -> bar hidden", hidden, "ms");
        bench::PrintRow("host to front -> bar shown", shown, "ms");
        if (missed)
            std::printf("rounds without a change within 3 s: %d\n", missed);
        DestroyWindow(other);
        return missed ? 1 : 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_glue_latency: %s\n", error.what());
        return 2;
    }
}
