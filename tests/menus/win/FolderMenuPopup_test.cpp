#include "menus/win/FolderMenuPopup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <string>
#include <iterator>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "config/IniSection.h"
#include "menus/MenuItemRegistry.h"
#include "menus/win/FolderMenuRows.h"
#include "menus/win/OpenFolderMenu.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/TestFiles.h"
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

// Drives the next popup menu of this process from its own thread: waits (up to a
// deadline) for the menu to open, posts `keys` as presses to `target`, a window of the
// menu's thread (the menu's modal loop takes keyboard messages for any window of its
// thread), then, when `clickRow` is a position, clicks that row with the left button.
// A menu still open a few seconds later is closed with Escape, so that a menu that
// ignores the input fails the test instead of hanging it. The driver gives up waiting
// when it is destroyed, which is how a test sees that no menu was shown.
class MenuDriver {
public:
    MenuDriver(HWND target, std::vector<WORD> keys, int clickRow = -1)
        : thread_([this, target, keys = std::move(keys), clickRow] { Run(target, keys, clickRow); })
    {
    }
    ~MenuDriver() { Finish(); }
    MenuDriver(const MenuDriver&) = delete;
    MenuDriver& operator=(const MenuDriver&) = delete;

    // Stops waiting for a menu and lets the driver end; the results below are final
    // only after this.
    void Finish()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
    }

    bool SawMenu() const { return sawMenu_; }
    bool MenuClosedByInput() const { return closedByInput_; }

private:
    static void Press(HWND target, WORD key)
    {
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
        PostMessageW(target, WM_KEYDOWN, key, scan | 1);
        PostMessageW(target, WM_KEYUP, key, scan | 1 | (LPARAM{3} << 30));
    }

    // The menu's loop takes the point of a mouse message from lParam, in screen
    // coordinates, so a posted click lands where it says.
    static void Click(HWND menuWindow, int row)
    {
        const auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
        RECT r{};
        if (!menu || !GetMenuItemRect(menuWindow, menu, static_cast<UINT>(row), &r))
            return;
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        PostMessageW(menuWindow, WM_MOUSEMOVE, 0, at);
        PostMessageW(menuWindow, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(menuWindow, WM_LBUTTONUP, 0, at);
    }

    template <class Condition>
    static bool PollUntil(Condition condition, std::chrono::milliseconds limit)
    {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!condition()) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(5ms);
        }
        return true;
    }

    void Run(HWND target, const std::vector<WORD>& keys, int clickRow)
    {
        if (!PollUntil([this] { return stop_ || OpenPopupMenu() != nullptr; }, 10s)) {
            // Whatever is tracking, it must not wait for ever.
            Press(target, VK_ESCAPE);
            return;
        }
        if (!OpenPopupMenu())
            return;
        sawMenu_ = true;
        for (WORD key : keys)
            Press(target, key);
        if (clickRow >= 0)
            Click(OpenPopupMenu(), clickRow);
        closedByInput_ = PollUntil([] { return OpenPopupMenu() == nullptr; }, 5s);
        if (!closedByInput_)
            Press(target, VK_ESCAPE);
    }

    std::atomic<bool> stop_{false};
    std::atomic<bool> sawMenu_{false};
    std::atomic<bool> closedByInput_{false};
    std::thread thread_;
};

// An owner for the popup that answers its rows the way the bar does, and notes what
// was measured.
class MenuOwner : public fw::Window {
public:
    MenuOwner()
    {
        RegisterWindowClass(L"QuorbelMenuOwner", 0, nullptr, nullptr, nullptr);
        Create(0, L"QuorbelMenuOwner", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    }

    std::vector<std::pair<int, int>> measured;  // id, height

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_MEASUREITEM: {
            if (wParam != 0)
                break;
            auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            MeasureFolderMenuItem(measure);
            measured.emplace_back(static_cast<int>(measure.itemID), static_cast<int>(measure.itemHeight));
            return TRUE;
        }
        case WM_DRAWITEM:
            if (wParam != 0)
                break;
            DrawFolderMenuItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        return fw::Window::HandleMessage(message, wParam, lParam);
    }
};

class RecordedActions : public FolderMenuActions {
public:
    void ChangeDirectory(const std::string& path) override { paths.push_back(path); }
    void ReloadButtons() override { ++reloads; }
    void OpenOrderDialog(const std::string& submenuKey) override { orderDialogs.push_back(submenuKey); }

    std::vector<std::string> paths;
    int reloads = 0;
    std::vector<std::string> orderDialogs;
};

// Ctrl down in this thread's key state for the life of the object, as if held on the
// keyboard: GetKeyState reads it when the menu has closed.
class CtrlHeld {
public:
    CtrlHeld()
    {
        GetKeyboardState(saved_);
        BYTE held[256];
        std::copy(std::begin(saved_), std::end(saved_), std::begin(held));
        held[VK_CONTROL] = held[VK_LCONTROL] = 0x80;
        SetKeyboardState(held);
    }
    ~CtrlHeld() { SetKeyboardState(saved_); }
    CtrlHeld(const CtrlHeld&) = delete;
    CtrlHeld& operator=(const CtrlHeld&) = delete;

private:
    BYTE saved_[256]{};
};

// Collects what this thread writes to the debugger output. OutputDebugString raises
// DBG_PRINTEXCEPTION_C first, with the length (terminator included) and the text as
// its arguments; the handler reads them and lets the search go on.
class DebugOutputCapture {
public:
    DebugOutputCapture() : handler_(AddVectoredExceptionHandler(1, &Catch)) { active_ = this; }
    ~DebugOutputCapture()
    {
        RemoveVectoredExceptionHandler(handler_);
        active_ = nullptr;
    }
    DebugOutputCapture(const DebugOutputCapture&) = delete;
    DebugOutputCapture& operator=(const DebugOutputCapture&) = delete;

    std::vector<std::string> lines;

private:
    static LONG CALLBACK Catch(EXCEPTION_POINTERS* pointers)
    {
        const EXCEPTION_RECORD& record = *pointers->ExceptionRecord;
        if (record.ExceptionCode == DBG_PRINTEXCEPTION_C && active_ && record.NumberParameters >= 2) {
            const auto length = static_cast<std::size_t>(record.ExceptionInformation[0]);
            const auto* text = reinterpret_cast<const char*>(record.ExceptionInformation[1]);
            active_->lines.emplace_back(text, length > 0 ? length - 1 : 0);
        }
        return EXCEPTION_CONTINUE_SEARCH;
    }

    static inline DebugOutputCapture* active_ = nullptr;
    PVOID handler_;
};

SubmenuEntries Entries(std::vector<std::array<const char*, 3>> rows)
{
    SubmenuEntries entries;
    for (const auto& [key, text, decoration] : rows) {
        entries.keys.push_back(key);
        entries.texts.push_back(text);
        entries.decorations.push_back(decoration);
    }
    return entries;
}

class TrackedPopupTest : public testing::Test {
protected:
    void TearDown() override { MenuItems().Clear(); }

    int Track(const FolderMenu& menu, std::vector<WORD> keys)
    {
        menu.Register(MenuItems());
        const fw::Menu popup = BuildFolderPopup(menu);
        MenuDriver driver(owner_.hwnd(), std::move(keys));
        const int chosen = TrackFolderPopup(popup.get(), POINT{40, 40}, owner_.hwnd());
        driver.Finish();
        EXPECT_TRUE(driver.SawMenu());
        EXPECT_TRUE(driver.MenuClosedByInput());
        return chosen;
    }

    MenuOwner owner_;
    // x at key 5, a separator at key 2, y at key 0, in that order in the file.
    const FolderMenu menu_{Entries({{"5", "x|C:\\x", ""},
                                    {"2", "-|ignored", ""},
                                    {"0", "y|C:\\y", "1|20|-1|-1|255"}})};
};

TEST_F(TrackedPopupTest, RowsAreOwnerDrawnAndSeparatorsCarryIdZero)
{
    const fw::Menu popup = BuildFolderPopup(menu_);
    ASSERT_EQ(GetMenuItemCount(popup.get()), 4);
    const struct {
        UINT id;
        UINT type;
    } expected[] = {{1, MFT_OWNERDRAW}, {0, MFT_SEPARATOR | MFT_OWNERDRAW}, {3, MFT_OWNERDRAW}, {1000, MFT_OWNERDRAW}};
    for (int i = 0; i < 4; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_SUBMENU;
        ASSERT_TRUE(GetMenuItemInfoW(popup.get(), i, TRUE, &info));
        EXPECT_EQ(info.wID, expected[i].id) << i;
        EXPECT_EQ(info.fType, expected[i].type) << i;
        EXPECT_EQ(info.hSubMenu, nullptr) << "one level only";
    }
}

TEST_F(TrackedPopupTest, KeyboardChoiceComesBackAsTheRowsId)
{
    // The first Down selects x, the second skips the separator.
    EXPECT_EQ(Track(menu_, {VK_DOWN, VK_DOWN, VK_RETURN}), 3);
    EXPECT_EQ(Track(menu_, {VK_DOWN, VK_RETURN}), 1);
    EXPECT_EQ(Track(menu_, {VK_UP, VK_RETURN}), FolderMenu::kManageId) << "Up wraps to the last row";
    EXPECT_EQ(Track(menu_, {VK_DOWN, VK_ESCAPE}), 0);
}

TEST_F(TrackedPopupTest, OwnerMeasuresEveryRowBeforeTheMenuShows)
{
    Track(menu_, {VK_ESCAPE});
    ASSERT_EQ(owner_.measured.size(), 4u);
    EXPECT_EQ(owner_.measured[0], std::make_pair(1, 20));
    EXPECT_EQ(owner_.measured[1], std::make_pair(0, 9));
    EXPECT_EQ(owner_.measured[2].first, 3);
    EXPECT_GT(owner_.measured[2].second, 20) << "20 pt";
    EXPECT_EQ(owner_.measured[3], std::make_pair(FolderMenu::kManageId, 20));
}

// The whole right click with the submenu file of a program folder.
class OpenFolderMenuTest : public testing::Test {
protected:
    void SetUp() override
    {
        button_.caption = "work";
        button_.folderPath = "D:\\work";
        button_.submenuKey = "K";
    }
    void TearDown() override { MenuItems().Clear(); }

    // `trace` receives the debugger output of the call itself, nothing of the test's.
    bool Open(std::vector<WORD> keys, int clickRow = -1, std::vector<std::string>* trace = nullptr)
    {
        MenuDriver driver(owner_.hwnd(), std::move(keys), clickRow);
        bool shown;
        {
            std::optional<DebugOutputCapture> capture;
            if (trace)
                capture.emplace();
            shown = OpenFolderMenu(button_, owner_.hwnd(), actions_);
            if (trace)
                *trace = capture->lines;
        }
        driver.Finish();
        EXPECT_TRUE(driver.SawMenu());
        EXPECT_TRUE(driver.MenuClosedByInput());
        return shown;
    }

    // The way a user removes an entry: Ctrl held while clicking it.
    bool CtrlClick(int row)
    {
        const CtrlHeld ctrl;
        return Open({}, row);
    }

    std::string Entry(const char* key) const
    {
        return IniSection("K", folder_.SubmenuIni()).ReadString(key);
    }

    test::ProgramFolder folder_;
    MenuOwner owner_;
    RecordedActions actions_;
    FolderButton button_;
};

TEST_F(OpenFolderMenuTest, ChoiceSendsTheHostToThePathAfterTheLastBar)
{
    folder_.WriteSubmenu("[K]\n3=src|D:\\work\\src\n1=a|b|E:\\third\n[KE]\n3=1|12|30|16711680|255\n");
    const std::string before = test::ReadFileBytes(folder_.SubmenuIni());
    std::vector<std::string> traced;
    ASSERT_TRUE(Open({VK_DOWN, VK_DOWN, VK_RETURN}, -1, &traced));
    EXPECT_EQ(actions_.paths, std::vector<std::string>{"E:\\third"});
    EXPECT_EQ(actions_.reloads, 0);
    EXPECT_EQ(test::ReadFileBytes(folder_.SubmenuIni()), before);
    // Each entry's stored decoration as it stands, without a line end; none for the
    // management row.
    EXPECT_EQ(traced, (std::vector<std::string>{"1|12|30|16711680|255", ""}));

    // The rows stay in the registry after the menu has closed.
    FolderMenuItem kept;
    ASSERT_TRUE(MenuItems().Lookup(1, kept));
    EXPECT_EQ(kept.text, "src");
    EXPECT_EQ(kept.backgroundColour, 16711680);
}

TEST_F(OpenFolderMenuTest, CtrlChoiceEmptiesOnlyThatKeyAndReloads)
{
    folder_.WriteSubmenu("[K]\n5=five|C:\\5\n05=oh five|C:\\05\n0=zero|C:\\0\n[KE]\n05=1|-1|-1|-1|-1\n");
    ASSERT_TRUE(CtrlClick(1));
    EXPECT_TRUE(actions_.paths.empty());
    EXPECT_EQ(actions_.reloads, 1);
    EXPECT_EQ(Entry("05"), "");
    EXPECT_EQ(Entry("5"), "five|C:\\5");
    EXPECT_EQ(Entry("0"), "zero|C:\\0");
    EXPECT_EQ(IniSection("KE", folder_.SubmenuIni()).ReadString("05"), "1|-1|-1|-1|-1")
        << "the decoration stays";
    const std::string file = test::ReadFileBytes(folder_.SubmenuIni());
    EXPECT_NE(file.find("05=\r\n"), std::string::npos) << "emptied, not deleted: " << file;

    // The next menu lacks the entry: its second row is now "zero".
    ASSERT_TRUE(Open({VK_DOWN, VK_DOWN, VK_RETURN}));
    EXPECT_EQ(actions_.paths, std::vector<std::string>{"C:\\0"});
}

TEST_F(OpenFolderMenuTest, ManagementRowOpensTheOrderDialogWithOrWithoutCtrl)
{
    folder_.WriteSubmenu("[K]\n0=src|D:\\src\n");
    ASSERT_TRUE(Open({VK_UP, VK_RETURN}));
    ASSERT_TRUE(CtrlClick(1));
    EXPECT_EQ(actions_.orderDialogs, (std::vector<std::string>{"K", "K"}));
    EXPECT_TRUE(actions_.paths.empty());
    EXPECT_EQ(actions_.reloads, 0);
    EXPECT_EQ(Entry("0"), "src|D:\\src");
}

TEST_F(OpenFolderMenuTest, DismissingChangesNothingButCountsAsShown)
{
    folder_.WriteSubmenu("[K]\n0=src|D:\\src\n");
    const std::string before = test::ReadFileBytes(folder_.SubmenuIni());
    const CtrlHeld ctrl;
    EXPECT_TRUE(Open({VK_DOWN, VK_ESCAPE}));
    EXPECT_TRUE(actions_.paths.empty());
    EXPECT_EQ(actions_.reloads, 0);
    EXPECT_TRUE(actions_.orderDialogs.empty());
    EXPECT_EQ(test::ReadFileBytes(folder_.SubmenuIni()), before);
}

TEST_F(OpenFolderMenuTest, NoEntriesOrABlankButtonShowNothingAndKeepTheRegistry)
{
    FolderMenuItem sentinel;
    sentinel.text = "earlier menu";
    MenuItems().Store(4, sentinel);

    const auto opens = [&] {
        MenuDriver driver(owner_.hwnd(), {VK_ESCAPE});
        const bool shown = OpenFolderMenu(button_, owner_.hwnd(), actions_);
        driver.Finish();
        EXPECT_FALSE(driver.SawMenu());
        return shown;
    };
    EXPECT_FALSE(opens()) << "no file";
    folder_.WriteSubmenu("[K]\n0=\n1=\n[KE]\n0=1|12|30|0|0\n");
    EXPECT_FALSE(opens()) << "only free slots";
    folder_.WriteSubmenu("[K]\n0=src|D:\\src\n");
    button_.valid = false;
    EXPECT_FALSE(opens()) << "a rejected section";

    FolderMenuItem still;
    ASSERT_TRUE(MenuItems().Lookup(4, still));
    EXPECT_EQ(still.text, "earlier menu");
    EXPECT_TRUE(actions_.paths.empty());
}

}  // namespace
}  // namespace quorbel
