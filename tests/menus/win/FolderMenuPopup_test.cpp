#include "menus/win/FolderMenuPopup.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "menus/MenuItemRegistry.h"
#include "menus/win/FolderMenuRows.h"
#include "menus/win/OpenFolderMenu.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/win/TestWindow.h"

namespace quorbel {
namespace {

using namespace std::chrono_literals;

// The visible popup menu window of this test's display, if one is open.
HWND OpenPopupMenu()
{
    HWND menu = FindWindowW(L"#32768", nullptr);
    return menu && IsWindowVisible(menu) ? menu : nullptr;
}

template <class Condition>
bool PollUntil(Condition condition, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

// Drives the next popup menu of this process from a thread of its own: waits (up to a
// deadline) for the menu to open and posts `keys` to `target`, a window of the menu's
// thread, whose modal loop takes keyboard messages for any window of its thread. A menu
// still open a few seconds later is closed with Escape, so that a menu that ignores the
// keys fails the test instead of hanging it. Finish gives up waiting for a menu.
class MenuDriver {
public:
    MenuDriver(HWND target, std::vector<WORD> keys)
        : thread_([this, target, keys = std::move(keys)] { Run(target, keys); })
    {
    }
    ~MenuDriver() { Finish(); }

    void Finish()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
    }

    std::atomic<bool> sawMenu{false}, closedByKeys{false};

private:
    static void Press(HWND target, WORD key)
    {
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
        PostMessageW(target, WM_KEYDOWN, key, scan | 1);
        PostMessageW(target, WM_KEYUP, key, scan | 1 | (LPARAM{3} << 30));
    }

    void Run(HWND target, const std::vector<WORD>& keys)
    {
        if (!PollUntil([this] { return stop_ || OpenPopupMenu(); }, 10s))
            Press(target, VK_ESCAPE);  // whatever is tracking must not wait for ever
        if (!OpenPopupMenu())
            return;
        sawMenu = true;
        for (WORD key : keys)
            Press(target, key);
        closedByKeys = PollUntil([] { return !OpenPopupMenu(); }, 5s);
        if (!closedByKeys)
            Press(target, VK_ESCAPE);
    }

    std::atomic<bool> stop_{false};
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

class FolderPopupTest : public testing::Test {
protected:
    void TearDown() override { MenuItems().Clear(); }

    MenuOwner owner_;
    // x at key 5, a separator at key 2, y at key 0 (20 pt), in that order in the file.
    const FolderMenu menu_{SubmenuEntries{
        {"5", "2", "0"}, {"x|C:\\x", "-|ignored", "y|C:\\y"}, {"0|-1|-1|-1|-1", "", "1|20|-1|-1|255"}}};
};

TEST_F(FolderPopupTest, RowsAreOwnerDrawnSeparatorsCarryIdZeroAndDecorationsAreTraced)
{
    DebugOutput trace;
    const fw::Menu popup = BuildFolderPopup(menu_);
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

TEST_F(FolderPopupTest, TrackedMenuMeasuresEveryRowAndReturnsTheKeyboardChoice)
{
    menu_.Register(MenuItems());
    const struct {
        std::vector<WORD> keys;
        int chosen;
    } cases[] = {
        {{VK_DOWN, VK_DOWN, VK_RETURN}, 3},  // the first Down selects x, the second skips the separator
        {{VK_UP, VK_RETURN}, FolderMenu::kManageId},  // Up wraps round to the last row
        {{VK_DOWN, VK_ESCAPE}, 0},
    };
    for (const auto& c : cases) {
        const fw::Menu popup = BuildFolderPopup(menu_);
        MenuDriver driver(owner_.hwnd(), c.keys);
        EXPECT_EQ(TrackFolderPopup(popup.get(), POINT{40, 40}, owner_.hwnd()), c.chosen);
        driver.Finish();
        EXPECT_TRUE(driver.sawMenu);
        EXPECT_TRUE(driver.closedByKeys);
    }
    ASSERT_GE(owner_.measured.size(), 4u);
    EXPECT_EQ(owner_.measured[0], std::make_pair(1u, 20u));
    EXPECT_EQ(owner_.measured[1], std::make_pair(0u, 9u));
    EXPECT_EQ(owner_.measured[2].first, 3u);
    EXPECT_GT(owner_.measured[2].second, 20u) << "20 pt";
    EXPECT_EQ(owner_.measured[3], std::make_pair(1000u, 20u));
}

class RecordedActions : public FolderMenuActions {
public:
    void ChangeDirectory(const std::string& path) override { calls.push_back("cd " + path); }
    void ReloadButtons() override { calls.push_back("reload"); }
    void OpenOrderDialog(const std::string& key) override { calls.push_back("order " + key); }
    std::vector<std::string> calls;
};

// A right click reads the menu afresh: none without entries or for a blank button (the
// bar then opens its own menu instead); a dismissed menu does nothing.
TEST_F(FolderPopupTest, OpenFolderMenuShowsWhatTheFileHoldsOrNothing)
{
    test::ProgramFolder folder;
    FolderButton button;
    button.submenuKey = "K";
    RecordedActions actions;
    const auto open = [&](std::vector<WORD> keys) {
        MenuDriver driver(owner_.hwnd(), std::move(keys));
        const bool shown = OpenFolderMenu(button, owner_.hwnd(), actions);
        driver.Finish();
        EXPECT_EQ(driver.sawMenu, shown);
        return shown;
    };
    EXPECT_FALSE(open({VK_ESCAPE})) << "no file";
    folder.WriteSubmenu("[K]\n0=\n1=\n[KE]\n0=1|12|30|0|0\n");
    EXPECT_FALSE(open({VK_ESCAPE})) << "only free slots";
    folder.WriteSubmenu("[K]\n3=src|D:\\src\n1=a|b|E:\\third\n");
    button.valid = false;
    EXPECT_FALSE(open({VK_ESCAPE})) << "a rejected section";
    button.valid = true;
    EXPECT_TRUE(open({VK_DOWN, VK_ESCAPE}));
    EXPECT_TRUE(actions.calls.empty());
    EXPECT_TRUE(open({VK_DOWN, VK_DOWN, VK_RETURN}));
    EXPECT_EQ(actions.calls, std::vector<std::string>{"cd E:\\third"}) << "the path after the last bar";
}

}  // namespace
}  // namespace quorbel
