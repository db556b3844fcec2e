// The glue tick's settings after hand edits of the INI file: seen at the very next tick,
// also in a tick nested in the show of another; and while nothing changes, a tick in the
// program's own loop looks at no file.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "app/win/BarGlue.h"
#include "app/win/SettingsWatch.h"
#include "app/win/WindowGlueWorld.h"
#include "config/ProfileCache.h"
#include "config/win/FolderWatch.h"
#include "framework/Dialog.h"
#include "framework/Handles.h"
#include "framework/Window.h"
#include "resources/resource.h"
#include "tests/support/ProgramFolder.h"

namespace quorbel {
namespace {

// The platform's file system, counting every stat and open, with every stamp settled.
struct CountingClock final : FileClock {
    int looks = 0;
    FileStamp Stamp(const char* path) override { return ++looks, PlatformFileClock().Stamp(path); }
    std::int64_t Now() override { return PlatformFileClock().Now() + TrustAfter() + 1; }
    std::int64_t TrustAfter() override { return PlatformFileClock().TrustAfter(); }
    std::unique_ptr<FileHold> HoldForReading(const char* path) override
    {
        return ++looks, PlatformFileClock().HoldForReading(path);
    }
};

class Host final : public fw::Window {
public:
    Host()
    {
        RegisterWindowClass(L"TTOTAL_CMD", 0, nullptr, nullptr, nullptr);
        Create(0, L"TTOTAL_CMD", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 150, 400, 300, nullptr, nullptr);
    }
    ~Host() override { Destroy(); }
};

// The bar's template run by the framework's modal loop, as the bar is: each timer tick
// runs a glue tick, then the test's step for that tick; `onShow` runs at the bar's show.
class TickingBar final : public fw::Dialog {
public:
    explicit TickingBar(std::function<void(TickingBar&, int)> step) : fw::Dialog(IDD_BAR, nullptr), step_(step) {}

    BarGlue glue;
    std::function<void()> onShow;

protected:
    BOOL OnInitDialog() override
    {
        SetTimer(hwnd(), 101, 20, nullptr);
        return TRUE;
    }

    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == WM_TIMER) {
            glue.Tick(hwnd());
            step_(*this, ++ticks_);
        } else if (message == WM_WINDOWPOSCHANGED && onShow &&
                   (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW)) {
            std::exchange(onShow, nullptr)();
        } else {
            return fw::Dialog::HandleMessage(message, wParam, lParam, result);
        }
        result = 0;
        return true;
    }

private:
    std::function<void(TickingBar&, int)> step_;
    int ticks_ = 0;
};

class GlueFreshnessTest : public ::testing::Test {
protected:
    GlueFreshnessTest()
    {
        WriteOffset(10);
        UseProfile(&cache_);
    }
    ~GlueFreshnessTest() override { UseProfile(nullptr); }

    // Every offset has two digits: the file keeps its size.
    void WriteOffset(int glueX) const
    {
        folder_.WriteMain("[main]\nbGlue=1\niGlueX=" + std::to_string(glueX) + "\niGlueY=20\n");
    }
    int Offset(HWND bar) const { return WindowRectOf(bar).left - WindowRectOf(host_.hwnd()).left; }

    // Runs the bar's loop until a step ends it.
    void Run(std::function<void(TickingBar&, int)> step)
    {
        TickingBar bar(step);
        bar.DoModal();
    }

    test::ProgramFolder folder_;
    Host host_;
    CountingClock clock_;
    ProfileCache cache_{PlatformProfile(), clock_, &ProgramFolderWatch()};
};

TEST_F(GlueFreshnessTest, HandEditsAreSeenAtTheNextTickAndIdleTicksLookAtNoFile)
{
    const SettingsWatch settingsWatch;
    int idleLooks = -1;
    int offsetAfterEdit = 0;
    int offsetInNestedTick = 0;
    Run([&](TickingBar& bar, int tick) {
        if (tick == 1) {
            SetForegroundWindow(host_.hwnd());
        } else if (tick == 3) {
            idleLooks = clock_.looks;
        } else if (tick == 6) {
            idleLooks = clock_.looks - idleLooks;
            // The same size and, put back, the same time stamp: only the watch can tell.
            WIN32_FILE_ATTRIBUTE_DATA before{};
            GetFileAttributesExA(folder_.MainIni().c_str(), GetFileExInfoStandard, &before);
            WriteOffset(30);
            const fw::KernelObject file(CreateFileA(folder_.MainIni().c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                                    OPEN_EXISTING, 0, nullptr));
            SetFileTime(file.get(), nullptr, nullptr, &before.ftLastWriteTime);
        } else if (tick == 7) {
            offsetAfterEdit = Offset(bar.hwnd());
        } else if (tick == 8) {
            // A show can reload the bar, and a reload can show a message box, whose loop
            // runs ticks while the user mends the file.
            ShowWindow(bar.hwnd(), SW_HIDE);
            bar.onShow = [&] {
                WriteOffset(40);
                bar.glue.Tick(bar.hwnd());
                offsetInNestedTick = Offset(bar.hwnd());
            };
        } else if (tick == 10) {
            bar.EndDialog(IDOK);
        }
    });
    EXPECT_EQ(idleLooks, 0) << "no file stat or opened by three idle ticks";
    EXPECT_EQ(offsetAfterEdit, 30);
    EXPECT_EQ(offsetInNestedTick, 40) << "a tick nested in the show of another";
}

}  // namespace
}  // namespace quorbel
