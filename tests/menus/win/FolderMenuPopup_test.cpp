#include "menus/win/FolderMenuPopup.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "menus/FolderMenu.h"
#include "menus/MenuItemRegistry.h"
#include "menus/win/FolderMenuRows.h"
#include "tests/support/win/TestWindow.h"

namespace quorbel {
namespace {

// What this thread writes to the debugger output. OutputDebugString raises
// DBG_PRINTEXCEPTION_C with the length (terminator included) and the text; a vectored
// handler reads them and lets the search go on.
class DebugOutput {
public:
    DebugOutput() : handler_(AddVectoredExceptionHandler(1, &Catch)) { active_ = &lines; }
    ~DebugOutput()
    {
        RemoveVectoredExceptionHandler(handler_);
        active_ = nullptr;
    }

    std::vector<std::string> lines;

private:
    static LONG CALLBACK Catch(EXCEPTION_POINTERS* pointers)
    {
        const EXCEPTION_RECORD& r = *pointers->ExceptionRecord;
        if (r.ExceptionCode == DBG_PRINTEXCEPTION_C && active_ && r.NumberParameters >= 2 && r.ExceptionInformation[0])
            active_->emplace_back(reinterpret_cast<const char*>(r.ExceptionInformation[1]), r.ExceptionInformation[0] - 1);
        return EXCEPTION_CONTINUE_SEARCH;
    }

    static inline std::vector<std::string>* active_ = nullptr;
    PVOID handler_;
};

// x at key 5, a separator at key 2, y at key 0 (20 pt), in that order in the file.
const FolderMenu kMenu{SubmenuEntries{
    {"5", "2", "0"}, {"x|C:\\x", "-|ignored", "y|C:\\y"}, {"0|-1|-1|-1|-1", "", "1|20|-1|-1|255"}}};

TEST(FolderPopup, RowsAreOwnerDrawnSeparatorsCarryIdZeroAndDecorationsAreTraced)
{
    const FolderMenu& menu = kMenu;
    DebugOutput trace;
    const fw::Menu popup = BuildFolderPopup(menu);
    // Each entry's stored decoration as it stands, without a line end; none for the
    // management row.
    EXPECT_EQ(trace.lines, (std::vector<std::string>{"0|-1|-1|-1|-1", "", "1|20|-1|-1|255"}));
    ASSERT_EQ(GetMenuItemCount(popup.get()), 4);
    const std::pair<UINT, UINT> expected[] = {
        {1, MFT_OWNERDRAW}, {0, MFT_SEPARATOR | MFT_OWNERDRAW}, {3, MFT_OWNERDRAW}, {1000, MFT_OWNERDRAW}};
    for (int i = 0; i < 4; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_SUBMENU;
        ASSERT_TRUE(GetMenuItemInfoW(popup.get(), i, TRUE, &info));
        EXPECT_EQ(std::make_pair(info.wID, info.fType), expected[i]) << i;
        EXPECT_EQ(info.hSubMenu, nullptr) << "one level only";
    }
}

using namespace std::chrono_literals;

bool PopupMenuOpen()
{
    const HWND menu = FindWindowW(L"#32768", nullptr);
    return menu && IsWindowVisible(menu);
}

// Once a popup menu is open, posts `keys` to `target` (a window of the tracking thread,
// whose menu loop takes them); a menu still open seconds later is closed with Escape, so
// that a menu deaf to the keys fails the test instead of hanging it.
class MenuKeys {
public:
    MenuKeys(HWND target, std::vector<WORD> keys)
        : thread_([this, target, keys = std::move(keys)] {
              const auto waitFor = [](bool open) {
                  for (int i = 0; i < 1000 && PopupMenuOpen() != open; ++i)
                      std::this_thread::sleep_for(5ms);
                  return PopupMenuOpen() == open;
              };
              sawMenu = waitFor(true);
              for (WORD key : keys)
                  Press(target, key);
              closedByKeys = sawMenu && waitFor(false);
              if (!closedByKeys)
                  Press(target, VK_ESCAPE);
          })
    {
    }
    ~MenuKeys() { Finish(); }

    // True when the menu opened and the keys closed it.
    bool Finish()
    {
        if (thread_.joinable())
            thread_.join();
        return sawMenu && closedByKeys;
    }

private:
    std::atomic<bool> sawMenu{false}, closedByKeys{false};

    static void Press(HWND target, WORD key)
    {
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
        PostMessageW(target, WM_KEYDOWN, key, scan | 1);
        PostMessageW(target, WM_KEYUP, key, scan | 1 | (LPARAM{3} << 30));
    }

    std::thread thread_;
};

// An owner that answers the rows as the bar does, and notes the measured ids and heights.
class MenuOwner : public test::TestWindow {
public:
    std::vector<std::pair<UINT, UINT>> measured;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_MEASUREITEM && wParam == 0) {
            auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            MeasureFolderMenuItem(measure);
            measured.emplace_back(measure.itemID, measure.itemHeight);
            return TRUE;
        }
        if (message == WM_DRAWITEM && wParam == 0) {
            DrawFolderMenuItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        return TestWindow::HandleMessage(message, wParam, lParam);
    }
};

TEST(FolderPopup, TrackedMenuMeasuresEveryRowAndReturnsTheKeyboardChoice)
{
    MenuOwner owner;
    kMenu.Register(MenuItems());
    const struct {
        std::vector<WORD> keys;
        int chosen;
    } cases[] = {
        {{VK_DOWN, VK_DOWN, VK_RETURN}, 3},           // the first Down selects x, the second skips the separator
        {{VK_UP, VK_RETURN}, FolderMenu::kManageId},  // Up wraps round to the last row
        {{VK_DOWN, VK_ESCAPE}, 0},
    };
    for (const auto& c : cases) {
        const fw::Menu popup = BuildFolderPopup(kMenu);
        MenuKeys keys(owner.hwnd(), c.keys);
        EXPECT_EQ(TrackFolderPopup(popup.get(), POINT{40, 40}, owner.hwnd()), c.chosen) << c.keys.size() << " keys";
        EXPECT_TRUE(keys.Finish()) << c.keys.size() << " keys";
    }
    MenuItems().Clear();
    ASSERT_GE(owner.measured.size(), 4u);
    EXPECT_EQ(owner.measured[0], std::make_pair(1u, 20u));
    EXPECT_EQ(owner.measured[1], std::make_pair(0u, 9u));
    EXPECT_EQ(owner.measured[2].first, 3u);
    EXPECT_GT(owner.measured[2].second, 20u) << "20 pt";
    EXPECT_EQ(owner.measured[3], std::make_pair(1000u, 20u));
}

}  // namespace
}  // namespace quorbel
