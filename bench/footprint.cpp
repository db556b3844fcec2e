// The bar's footprint: executable size, time from process start to the bar on screen,
// and private memory, GDI objects and windows after start and after 1,000 folder-menu
// openings, 1,000 reloads and 100 dialog openings (none of which may make them grow).
//
//   wine-run bench_footprint.exe --quorbel=<Quorbel.exe> --host=<StandInHost.exe>

#include <windows.h>

#include <cstdio>
#include <string>

#include "bench/support/Scene.h"
#include "bench/support/Stats.h"
#include "tests/e2e/support/ProcessFootprint.h"
#include "tests/e2e/support/Session.h"
#include "tests/e2e/support/WindowQueries.h"
#include "tests/e2e/support/Input.h"
#include "tests/support/TestFiles.h"

using namespace quorbel;
using namespace quorbel::e2e;

namespace {

constexpr int kStarts = 5;
constexpr int kMenuOpenings = 1000;
constexpr int kReloads = 1000;
constexpr int kDialogOpenings = 100;
constexpr UINT kButtonContext = WM_USER + 100;
constexpr UINT kAboutCommand = 16;

const char kMain[] = "[main]\nsize=3\nbTray=0\n"
                     "[0]\nsButtonText=work\nsFolderPath=C:\\windows\nsubkey=k0\n"
                     "[1]\nsButtonText=users\nsFolderPath=C:\\users\nsubkey=k1\n"
                     "[2]\nsButtonText=tools\nsFolderPath=C:\\windows\\system32\nsubkey=k2\n";
const char kSubmenus[] = "[k0]\n0=system|C:\\windows\\system32\n1=-|\n2=fonts|C:\\windows\\Fonts\n"
                         "[k0E]\n0=1|12|25|-1|255\n2=0|20|-1|15130800|-1\n";

void PrintFootprint(const char* when, const Footprint& f)
{
    std::printf("%-46s %10.1f KB %6d GDI %6d windows\n", when, static_cast<double>(f.privateBytes) / 1024.0,
                f.gdiObjects, f.windows);
}

HWND OpenMenu()
{
    HWND menu = nullptr;
    WaitUntil([&] {
        menu = FindOpenMenu();
        return menu != nullptr;
    }, 5s);
    return menu;
}

}  // namespace

int main()
{
    try {
        Session session;
        StandInHost& host = bench::SetScene(session, kMain, kSubmenus);

        bench::Samples startup;
        for (int run = 0; run < kStarts; ++run) {
            const double start = bench::NowMicroseconds();
            Process& quorbel = session.StartQuorbel();
            WaitUntil([&] {
                const HWND bar = FindBarWindow(quorbel.Id());
                return bar && IsWindowVisible(bar);
            }, 20s, Phase::Now);
            startup.Add((bench::NowMicroseconds() - start) / 1000.0);
            if (run + 1 < kStarts) {
                quorbel.Kill();
                quorbel.WaitForExit(10s);
            }
        }
        const HWND bar = session.WaitForBar();
        Process& quorbel = session.Quorbel();
        BringToForeground(host.Window());

        WIN32_FILE_ATTRIBUTE_DATA exe{};
        GetFileAttributesExA(session.ProgramFile("Quorbel.exe").c_str(), GetFileExInfoStandard, &exe);

        bench::PrintHeader("start-up");
        bench::PrintRow("process start -> bar visible", startup, "ms");
        std::printf("%-46s %10lu bytes\n", "executable size", exe.nFileSizeLow);

        std::printf("\nfootprint\n");
        const Footprint atStart = FootprintOf(quorbel.Handle(), quorbel.Id());
        PrintFootprint("after start", atStart);

        int menusOpened = 0;
        for (int i = 0; i < kMenuOpenings; ++i) {
            PostMessageW(bar, kButtonContext, 0, 0);
            const HWND menu = OpenMenu();
            if (!menu)
                break;
            ++menusOpened;
            PostKey(bar, VK_ESCAPE);
            WaitUntil([&] { return FindOpenMenu() == nullptr; }, 5s);
        }
        const Footprint afterMenus = FootprintOf(quorbel.Handle(), quorbel.Id());
        PrintFootprint(("after " + std::to_string(menusOpened) + " folder-menu openings").c_str(), afterMenus);

        for (int i = 0; i < kReloads; ++i)
            SendWithTimeout(bar, WM_SETTINGCHANGE, 0, 0, 5s);
        const Footprint afterReloads = FootprintOf(quorbel.Handle(), quorbel.Id());
        PrintFootprint("after 1000 reloads", afterReloads);

        int dialogsOpened = 0;
        for (int i = 0; i < kDialogOpenings; ++i) {
            PostMessageW(bar, WM_COMMAND, kAboutCommand, 0);
            HWND about = nullptr;
            WaitUntil([&] {
                for (HWND dialog : DialogsOf(quorbel.Id()))
                    if (dialog != bar && IsWindowVisible(dialog))
                        about = dialog;
                return about != nullptr;
            }, 5s);
            if (!about)
                break;
            ++dialogsOpened;
            PostMessageW(about, WM_COMMAND, IDOK, 0);
            WaitUntil([&] { return !IsWindow(about); }, 5s);
        }
        const Footprint afterDialogs = FootprintOf(quorbel.Handle(), quorbel.Id());
        PrintFootprint(("after " + std::to_string(dialogsOpened) + " dialog openings").c_str(), afterDialogs);

        const long long memoryGrowth = static_cast<long long>(afterDialogs.privateBytes) -
                                       static_cast<long long>(atStart.privateBytes);
        std::printf("\n%-46s %10lld KB\n", "private memory growth over all of it", memoryGrowth / 1024);
        std::printf("%-46s %10d  (goal 0: %s)\n", "GDI object growth", afterDialogs.gdiObjects - atStart.gdiObjects,
                    afterDialogs.gdiObjects <= atStart.gdiObjects ? "met" : "MISSED");
        std::printf("%-46s %10d  (goal 0: %s)\n", "window growth", afterDialogs.windows - atStart.windows,
                    afterDialogs.windows <= atStart.windows ? "met" : "MISSED");
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_footprint: %s\n", error.what());
        return 2;
    }
}
