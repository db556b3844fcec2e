// Reloading the bar from the INI files and refitting it: 101 buttons, each with a
// folder menu of 20 entries, in-process through the platform's profile functions.
//
//   wine-run bench_reload.exe

#include <windows.h>

#include <cstdio>
#include <string>

#include "app/win/BarFitting.h"
#include "bench/support/Stats.h"
#include "tests/support/ProgramFolder.h"
#include "toolbar/ButtonLoad.h"
#include "toolbar/win/FolderToolBar.h"

using namespace quorbel;

namespace {

constexpr int kButtons = 101;
constexpr int kEntries = 20;
constexpr int kRuns = 15;

void WriteBar(const test::ProgramFolder& folder)
{
    std::string main = "[main]\nsize=" + std::to_string(kButtons) + "\nbTray=0\n";
    std::string submenus;
    for (int n = 0; n < kButtons; ++n) {
        const std::string key = "key" + std::to_string(n);
        main += "[" + std::to_string(n) + "]\nsButtonText=button " + std::to_string(n) +
                "\nsFolderPath=C:\\folders\\" + std::to_string(n) + "\nsubkey=" + key + "\n";
        submenus += "[" + key + "]\n";
        for (int e = 0; e < kEntries; ++e)
            submenus += std::to_string(e) + "=entry " + std::to_string(e) + "|C:\\folders\\" + std::to_string(n) +
                        "\\" + std::to_string(e) + "\n";
        submenus += "[" + key + "E]\n";
        for (int e = 0; e < kEntries; ++e)
            submenus += std::to_string(e) + "=1|12|25|-1|255\n";
    }
    folder.WriteMain(main);
    folder.WriteSubmenu(submenus);
}

}  // namespace

int main()
{
    test::ProgramFolder folder;
    WriteBar(folder);

    HWND bar = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_BORDER, 100, 100, 300, 30, nullptr,
                               nullptr, nullptr, nullptr);
    FolderToolBar toolbar;
    toolbar.Create(bar, WS_CHILD | WS_VISIBLE, 0xE800);
    SetWindowLongPtrW(toolbar.hwnd(), GWL_STYLE, GetWindowLongPtrW(toolbar.hwnd(), GWL_STYLE) | TBSTYLE_LIST);

    // The files must be old enough for their time stamps to be trusted, as a bar's files
    // are between one change and the next.
    Sleep(3500);

    bench::Samples reload;
    bench::Samples model;
    bench::Samples fit;
    bench::Samples clear;
    for (int run = 0; run < kRuns; ++run) {
        double start = bench::NowMicroseconds();
        LoadButtonModel(nullptr);
        model.Add((bench::NowMicroseconds() - start) / 1000.0);

        start = bench::NowMicroseconds();
        toolbar.SetButtons({});
        clear.Add((bench::NowMicroseconds() - start) / 1000.0);
        toolbar.LoadButtons();
        start = bench::NowMicroseconds();
        toolbar.LoadButtons();
        const double loaded = bench::NowMicroseconds();
        FitBarToToolBar(bar, toolbar, false);
        const double end = bench::NowMicroseconds();
        reload.Add((end - start) / 1000.0);
        fit.Add((end - loaded) / 1000.0);
    }
    bench::PrintHeader("reload and refit (milliseconds)");
    bench::PrintRow("LoadButtons + FitToToolbar, 101 buttons x 20", reload, "ms");
    bench::PrintRow("  of which: reading the INI files", model, "ms");
    bench::PrintRow("  of which: FitToToolbar", fit, "ms");
    bench::PrintRow("removing 101 buttons", clear, "ms");
    bench::PrintGoal("median against the goal", reload.Median(), "ms", 50);
    std::printf("buttons on the bar: %d\n", toolbar.ButtonCount());
    DestroyWindow(bar);
    return toolbar.ButtonCount() == kButtons ? 0 : 1;
}
