// The bar's CPU use over 30 seconds with the host in front and nothing changing, with
// the Wine server's CPU on top (it answers every window query), against a program that
// makes only the floor's window queries on the same 50 ms timer. The two take turns.
//
//   wine-run bench_glue_cpu.exe --quorbel=<Quorbel.exe> --host=<StandInHost.exe> [seconds]

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "bench/support/Scene.h"
#include "bench/support/Stats.h"
#include "tests/e2e/support/E2eArguments.h"
#include "tests/e2e/support/Session.h"
#include "tests/e2e/support/WindowQueries.h"
#include "tests/support/TestFiles.h"

using namespace quorbel;
using namespace quorbel::e2e;

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
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
};

Usage Measure(const std::string& program, int seconds)
{
    const double process0 = UnixCpuMs(program);
    const double server0 = UnixCpuMs("wineserver");
    Sleep(static_cast<DWORD>(seconds) * 1000);
    return Usage{UnixCpuMs(program) - process0, UnixCpuMs("wineserver") - server0};
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
    // The two programs take turns, a third of the time each turn, so that whatever else
    // the machine and the Wine server do meanwhile falls on both alike.
    constexpr int kRounds = 3;
    const int turn = seconds / kRounds > 0 ? seconds / kRounds : 1;
    try {
        Session session;
        StandInHost& host = bench::SetScene(session, bench::kOneButton);
        // Settled files, as a bar's are between one change and the next, and a prefix whose
        // own start-up (services, the desktop process) is over.
        Sleep(5000);

        Usage bar;
        Usage floor;
        std::printf("\nCPU over %d s, host in front, nothing changing (milliseconds)\n", turn * kRounds);
        std::printf("%-46s %10s   %8s\n", "turn", "process", "server");
        for (int round = 0; round < kRounds; ++round) {
            Process ticker = Process::Start(SiblingProgram("bench_floor_ticker.exe"), {std::to_string(turn + 10)},
                                            session.Folder());
            Sleep(1000);
            BringToForeground(host.Window());
            const Usage floorTurn = Measure("bench_floor_ticker.exe", turn);
            ticker.Kill();
            std::printf("%-46s %10.1f   %8.1f\n", "floor program", floorTurn.process, floorTurn.server);

            session.StartQuorbel();
            const HWND window = session.WaitForBar();
            BringToForeground(host.Window());
            WaitUntil([&] { return IsWindowVisible(window) != FALSE; });
            Sleep(1000);
            const Usage barTurn = Measure("Quorbel.exe", turn);
            session.Quorbel().Kill();
            std::printf("%-46s %10.1f   %8.1f\n", "bar", barTurn.process, barTurn.server);

            floor.process += floorTurn.process;
            floor.server += floorTurn.server;
            bar.process += barTurn.process;
            bar.server += barTurn.server;
        }

        std::printf("\n%-46s %10.1f + server %8.1f = %8.1f\n", "bar", bar.process, bar.server,
                    bar.process + bar.server);
        std::printf("%-46s %10.1f + server %8.1f = %8.1f\n", "floor program (window queries only)", floor.process,
                    floor.server, floor.process + floor.server);
        const double ratio = (bar.process + bar.server) / (floor.process + floor.server);
        std::printf("%-46s %10.2f  (goal <= 1.10: %s)\n", "bar / floor", ratio, ratio <= 1.10 ? "met" : "MISSED");
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_glue_cpu: %s\n", error.what());
        return 2;
    }
}
