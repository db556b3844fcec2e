// The bar's CPU use with the host in front and nothing changing, with the Wine server's
// CPU on top (it answers every window query), against a program that makes only the
// floor's window queries on the same 50 ms timer. Both start once and settle (their
// start-up costs far more than their ticks, for seconds); then they take turns, the
// other one suspended, so that the server's CPU in a turn is the running one's and
// whatever else the machine does falls on both alike.
//
//   wine-run bench_glue_cpu.exe --quorbel=<Quorbel.exe> --host=<StandInHost.exe> [seconds]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "bench/support/Scene.h"
#include "bench/support/Stats.h"
#include "tests/e2e/support/Session.h"
#include "tests/e2e/support/WindowQueries.h"
#include "tests/support/TestFiles.h"

using namespace quorbel;
using namespace quorbel::e2e;

namespace {

// Empty when the file cannot be read: a process may end while its files are read.
std::string ReadAll(const std::string& path)
{
    try {
        std::ifstream file(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
        return std::string();
    }
}

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// CPU time in milliseconds of one Unix process, all its threads: the scheduler's own
// nanosecond account (/proc/<pid>/task/<tid>/schedstat) where the kernel keeps it, else
// user and system time from /proc/<pid>/stat in clock ticks of 10 ms.
double ProcessCpuMs(const std::string& dir)
{
    double ns = 0;
    bool scheduled = false;
    WIN32_FIND_DATAA task;
    HANDLE tasks = FindFirstFileA((dir + "task\\*").c_str(), &task);
    if (tasks != INVALID_HANDLE_VALUE) {
        do {
            if (task.cFileName[0] == '.')
                continue;
            const std::string stat = ReadAll(dir + "task\\" + task.cFileName + "\\schedstat");
            if (!stat.empty()) {
                ns += std::atof(stat.c_str());
                scheduled = true;
            }
        } while (FindNextFileA(tasks, &task));
        FindClose(tasks);
    }
    if (scheduled)
        return ns / 1e6;

    const std::string line = ReadAll(dir + "stat");
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    double utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            utime = std::atof(field.c_str());
        if (i == 15)
            stime = std::atof(field.c_str());
    }
    return (utime + stime) * 10.0;
}

// CPU time in milliseconds of the Unix process of this prefix whose command line holds
// `program` (drive Z: is the root, so /proc can be read): Wine reports no times for
// other processes, and the Wine server is a Unix process only. 0 when none.
double UnixCpuMs(const std::string& program)
{
    const char* prefix = std::getenv("QUORBEL_PREFIX");
    if (!prefix)
        return 0;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    double ms = 0;
    do {
        const std::string pid = found.cFileName;
        if (pid.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const std::string dir = "Z:\\proc\\" + pid + "\\";
        if (Lower(ReadAll(dir + "cmdline")).find(Lower(program)) == std::string::npos)
            continue;
        if (ReadAll(dir + "environ").find(std::string("WINEPREFIX=") + prefix + '\0') == std::string::npos)
            continue;
        ms += ProcessCpuMs(dir);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return ms;
}

struct Usage {
    double process = 0;
    double server = 0;
    double Total() const { return process + server; }
};

Usage Measure(const std::string& program, int milliseconds)
{
    const double process0 = UnixCpuMs(program);
    const double server0 = UnixCpuMs("wineserver");
    Sleep(static_cast<DWORD>(milliseconds));
    return Usage{UnixCpuMs(program) - process0, UnixCpuMs("wineserver") - server0};
}

// Stops or lets run every thread of a process (Wine has the native calls as well). A
// suspended program ticks no more, and its timer does not catch up afterwards.
void SetRunning(HANDLE process, bool running)
{
    using ProcessCall = LONG(NTAPI*)(HANDLE);
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto call = reinterpret_cast<ProcessCall>(
        reinterpret_cast<void*>(GetProcAddress(ntdll, running ? "NtResumeProcess" : "NtSuspendProcess")));
    if (!call || call(process) != 0)
        throw HarnessError("cannot suspend or resume a benchmarked program");
}

std::string SiblingProgram(const char* name)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string own(path);
    return own.substr(0, own.find_last_of('\\') + 1) + name;
}

}  // namespace

int main(int argc, char** argv)
{
    int seconds = 30;
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] != '-')
            seconds = std::atoi(argv[i]);
    constexpr int kRounds = 10;
    constexpr DWORD kSettleMs = 10000;
    constexpr DWORD kResumeMs = 300;  // the catch-up tick after a resume is no idle tick
    const int turnMs = std::max(seconds * 1000 / kRounds, 500);
    try {
        Session session;
        StandInHost& host = bench::SetScene(session, bench::kOneButton);
        // Settled files, as a bar's are between one change and the next, and a prefix whose
        // own start-up (services, the desktop process) is over.
        Sleep(5000);

        Process ticker = Process::Start(SiblingProgram("bench_floor_ticker.exe"), {"100000"}, session.Folder());
        Process& bar = session.StartQuorbel();
        const HWND window = session.WaitForBar();
        BringToForeground(host.Window());
        WaitUntil([&] { return IsWindowVisible(window) != FALSE; });
        Sleep(kSettleMs);

        Usage barSum;
        Usage floorSum;
        bench::Samples ratios;
        for (int round = 0; round < kRounds; ++round) {
            SetRunning(bar.Handle(), false);
            SetRunning(ticker.Handle(), true);
            Sleep(kResumeMs);
            const Usage floor = Measure("bench_floor_ticker.exe", turnMs);

            SetRunning(ticker.Handle(), false);
            SetRunning(bar.Handle(), true);
            Sleep(kResumeMs);
            const Usage own = Measure("Quorbel.exe", turnMs);

            floorSum.process += floor.process;
            floorSum.server += floor.server;
            barSum.process += own.process;
            barSum.server += own.server;
            ratios.Add(own.Total() / floor.Total());
        }
        SetRunning(ticker.Handle(), true);
        const bool barStillUp = IsWindowVisible(window) != FALSE;
        ticker.Kill();

        std::printf("\nCPU over %d s each, host in front, nothing changing (milliseconds; %d turns each, taken\n"
                    "in turn after %u s of settling)\n",
                    kRounds * turnMs / 1000, kRounds, static_cast<unsigned>(kSettleMs / 1000));
        std::printf("%-46s %10.1f + server %8.1f = %8.1f\n", "bar", barSum.process, barSum.server, barSum.Total());
        std::printf("%-46s %10.1f + server %8.1f = %8.1f\n", "floor program (window queries only)",
                    floorSum.process, floorSum.server, floorSum.Total());
        std::printf("%-46s %10.2f .. %.2f, median %.2f\n", "bar / floor, turn by turn", ratios.Min(),
                    ratios.Max(), ratios.Median());
        const double ratio = barSum.Total() / floorSum.Total();
        std::printf("%-46s %10.2f  (goal <= 1.10: %s)\n", "bar / floor", ratio, ratio <= 1.10 ? "met" : "MISSED");
        return barStillUp ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_glue_cpu: %s\n", error.what());
        return 2;
    }
}
