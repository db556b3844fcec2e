// How long a right click takes to put a button's folder menu on screen: from the moment
// the right-click message is posted to the bar's window until the menu's modal loop has
// shown and painted the popup and goes idle (the owner's first WM_ENTERIDLE). A 20-row
// decorated menu read from the submenu file, measured and painted row by row, against a
// plain popup of the same 20 texts, built in memory and tracked the same way: the floor
// of what any popup costs here. A third figure shows the decorated menu from entries
// already in memory, which splits the cost between reading the file and drawing the
// rows. Prints medians and spreads.
//
// In the same run, the menu hotkey: from the key press (Ctrl+Alt+Q sent as hardware
// input, which the window system turns into WM_HOTKEY) until the keyboard menu of a
// ten-button bar, three of its buttons with that 20-row folder menu as submenus, is on
// screen. Opening it reads all three folder menus and registers their 63 rows.
//
//   wine-run bench_folder_menu_open.exe

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/support/Stats.h"
#include "framework/Handles.h"
#include "framework/Window.h"
#include "menus/MenuItemRegistry.h"
#include "menus/win/FolderMenuPopup.h"
#include "menus/win/FolderMenuRows.h"
#include "menus/win/OpenKeyboardMenu.h"
#include "menus/win/OpenFolderMenu.h"
#include "tests/support/ProgramFolder.h"
#include "toolbar/Submenu.h"

namespace {

using quorbel::FolderButton;

constexpr int kRows = 20;
constexpr int kWarmUps = 5;
constexpr int kRuns = 40;
constexpr UINT kOpenDecorated = WM_APP + 1;
constexpr UINT kOpenPlain = WM_APP + 2;
constexpr UINT kOpenDecoratedInMemory = WM_APP + 3;
constexpr int kBarButtons = 10;
constexpr int kHotkeyId = 1;

std::string Label(int i)
{
    return "Folder " + std::to_string(i) + " - projects";
}

// Bold every third row, sizes from 9 to 14 pt, a few raised rows, some colours.
std::string Decoration(int i)
{
    const int bold = i % 3 == 0 ? 1 : 0;
    const int points = 9 + i % 6;
    const int height = i % 5 == 0 ? 28 : -1;
    const int background = i % 4 == 0 ? 0xC0F0FF : -1;
    const int text = i % 4 == 1 ? 0x0000C0 : -1;
    return std::to_string(bold) + "|" + std::to_string(points) + "|" + std::to_string(height) + "|" +
           std::to_string(background) + "|" + std::to_string(text);
}

void WriteSubmenuFile(const quorbel::test::ProgramFolder& folder)
{
    std::string text = "[bench]\n";
    for (int i = 0; i < kRows; ++i)
        text += std::to_string(i) + "=" + Label(i) + "|C:\\projects\\" + std::to_string(i) + "\n";
    text += "[benchE]\n";
    for (int i = 0; i < kRows; ++i)
        text += std::to_string(i) + "=" + Decoration(i) + "\n";
    folder.WriteSubmenu(text);

    // As a menu stands between right clicks: written an hour ago. A file changed within
    // the last seconds is read afresh on every right click, whatever its stamp says.
    const fw::KernelObject file(CreateFileA(folder.SubmenuIni().c_str(), FILE_WRITE_ATTRIBUTES,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER then{{now.dwLowDateTime, now.dwHighDateTime}};
    then.QuadPart -= 3600ULL * 10000000ULL;
    const FILETIME hourAgo{then.LowPart, then.HighPart};
    SetFileTime(file.get(), &hourAgo, &hourAgo, &hourAgo);
}

// Ctrl+Alt+Q pressed or let go, as hardware input.
void SendCtrlAltQ(DWORD flags)
{
    INPUT keys[3]{};
    const WORD codes[3] = {VK_CONTROL, VK_MENU, 'Q'};
    for (int i = 0; i < 3; ++i) {
        const WORD code = codes[flags & KEYEVENTF_KEYUP ? 2 - i : i];
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki = KEYBDINPUT{code, static_cast<WORD>(MapVirtualKeyW(code, MAPVK_VK_TO_VSC)), flags, 0, 0};
    }
    SendInput(3, keys, sizeof(INPUT));
}

class NoActions : public quorbel::FolderMenuActions {
public:
    void ChangeDirectory(const std::string&) override {}
    void ReloadButtons() override {}
    void OpenOrderDialog(const std::string&) override {}
};

// Stands in for the bar: opens a menu on the "right click" message, answers the rows'
// measure and draw requests, notes when the menu first goes idle and closes it then.
class MenuOwner : public fw::Window {
public:
    MenuOwner()
    {
        RegisterWindowClass(L"QuorbelBenchOwner", 0, nullptr, nullptr, nullptr);
        Create(0, L"QuorbelBenchOwner", L"bench", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
        button_.caption = "bench";
        button_.submenuKey = "bench";
        entries_ = quorbel::LoadSubmenu(button_.submenuKey);
        for (int i = 0; i < kBarButtons; ++i) {
            FolderButton button{"Button " + std::to_string(i), "C:\\projects", 0, i % 3 == 0 ? "bench" : "none"};
            bar_.push_back(button);
        }
        RegisterHotKey(hwnd(), kHotkeyId, MOD_CONTROL | MOD_ALT | MOD_NOREPEAT, 'Q');
    }

    // Microseconds from posting `open` to the menu on screen.
    double Measure(UINT open)
    {
        return MeasureOpening([&] { PostMessageW(hwnd(), open, 0, 0); });
    }

    // Microseconds from pressing the hotkey to the keyboard menu on screen.
    double MeasureHotkey()
    {
        const double shown = MeasureOpening([] { SendCtrlAltQ(0); });
        SendCtrlAltQ(KEYEVENTF_KEYUP);
        return shown;
    }

private:
    double MeasureOpening(const std::function<void()>& open)
    {
        shown_ = 0;
        done_ = false;
        const double start = quorbel::bench::NowMicroseconds();
        open();
        MSG msg;
        while (!done_ && GetMessageW(&msg, nullptr, 0, 0)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        return shown_ - start;
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case kOpenDecorated:
            OnOpenDecorated();
            return 0;
        case kOpenPlain:
            OnOpenPlain();
            return 0;
        case kOpenDecoratedInMemory:
            OnOpenDecoratedInMemory();
            return 0;
        case WM_HOTKEY:
            OnHotkey();
            return 0;
        case WM_ENTERIDLE:
            OnEnterIdle(wParam);
            return 0;
        case WM_MEASUREITEM:
            if (wParam != 0)
                break;
            quorbel::MeasureFolderMenuItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_DRAWITEM:
            if (wParam != 0)
                break;
            quorbel::DrawFolderMenuItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        return fw::Window::HandleMessage(message, wParam, lParam);
    }

private:
    void OnOpenDecorated()
    {
        quorbel::OpenFolderMenu(button_, hwnd(), actions_);
        done_ = true;
    }

    // What OpenFolderMenu does once the file has been read.
    void OnOpenDecoratedInMemory()
    {
        POINT at{};
        GetCursorPos(&at);
        const quorbel::FolderMenu menu(entries_);
        menu.Register(quorbel::MenuItems());
        const fw::Menu popup = quorbel::BuildFolderPopup(menu);
        quorbel::TrackFolderPopup(popup.get(), at, hwnd());
        done_ = true;
    }

    // What the bar does on its hotkey, up to the choice.
    void OnHotkey()
    {
        POINT at{};
        GetCursorPos(&at);
        quorbel::OpenKeyboardMenu(bar_, at, hwnd());
        done_ = true;
    }

    void OnOpenPlain()
    {
        POINT at{};
        GetCursorPos(&at);
        const fw::Menu popup(CreatePopupMenu());
        for (int i = 0; i < kRows; ++i)
            AppendMenuA(popup.get(), MF_STRING, static_cast<UINT_PTR>(i + 1), Label(i).c_str());
        AppendMenuW(popup.get(), MF_STRING, 1000, L"[순서/삭제/제목변경]");
        TrackPopupMenu(popup.get(), TPM_RETURNCMD, at.x, at.y, 0, hwnd(), nullptr);
        done_ = true;
    }

    void OnEnterIdle(WPARAM source)
    {
        if (source != MSGF_MENU || shown_ != 0)
            return;
        shown_ = quorbel::bench::NowMicroseconds();
        PostMessageW(hwnd(), WM_KEYDOWN, VK_ESCAPE, 1);
    }

    FolderButton button_;
    std::vector<FolderButton> bar_;
    quorbel::SubmenuEntries entries_;
    NoActions actions_;
    double shown_ = 0;
    bool done_ = false;
};

}  // namespace

int main()
{
    using quorbel::bench::Samples;
    const quorbel::test::ProgramFolder folder;
    WriteSubmenuFile(folder);

    SetCursorPos(200, 150);
    MenuOwner owner;
    Samples decorated, inMemory, plain, hotkey;
    for (int run = 0; run < kWarmUps + kRuns; ++run) {
        // Interleaved, so that drift on a shared machine touches all alike.
        const double d = owner.Measure(kOpenDecorated);
        const double m = owner.Measure(kOpenDecoratedInMemory);
        const double p = owner.Measure(kOpenPlain);
        const double h = owner.MeasureHotkey();
        if (run < kWarmUps)
            continue;
        decorated.Add(d);
        inMemory.Add(m);
        plain.Add(p);
        hotkey.Add(h);
    }

    quorbel::bench::PrintHeader("right-click message to folder menu on screen, 20 rows and the management row");
    quorbel::bench::PrintRow("decorated, read from SubFolder2.ini", decorated, "ms", 1e-3);
    quorbel::bench::PrintRow("decorated, entries already in memory", inMemory, "ms", 1e-3);
    quorbel::bench::PrintRow("plain popup of the same texts (floor)", plain, "ms", 1e-3);
    std::printf("%-46s %10.2f\n", "decorated / plain, medians", decorated.Median() / plain.Median());

    quorbel::bench::PrintHeader("menu hotkey pressed to keyboard menu on screen, against the right click above");
    quorbel::bench::PrintRow("10 buttons, 3 with the 20-row menu (hotkey)", hotkey, "ms", 1e-3);
    std::printf("%-46s %10.2f\n", "hotkey / right click, medians", hotkey.Median() / decorated.Median());
    return 0;
}
