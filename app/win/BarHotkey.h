#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "app/MenuHotkey.h"

namespace quorbel {

// Posted by the bar to itself when the hotkey setting failed: the glue tick that finds
// out must not run a message box's modal loop in its midst.
inline constexpr UINT WM_MENU_HOTKEY_FAILED = WM_USER + 300;

// The key that opens the bar's keyboard menu, sMenuHotkey of section "main". It belongs
// to the bar only while the bar is shown, that is while the host (or the program itself)
// is in front: hidden, the bar gives it back, so that the same keys reach any other
// program. With no setting nothing is ever registered.
class BarHotkey {
public:
    // The setting as it stands: read by every glue tick in its one look at the files.
    static std::string Setting();

    // Every glue tick, after the bar's visibility is settled: while the bar is shown,
    // registers `setting` when it was not tried since the bar showed or has changed;
    // while hidden, gives the key back.
    void Follow(HWND bar, const std::string& setting);

    // Gives the key back, as the bar goes.
    void Release(HWND bar);

    // WM_MENU_HOTKEY_FAILED: tells the user, then gives the foreground back to the window
    // that had it (the host).
    void ShowFailure();

private:
    void Try(HWND bar, const std::string& text);
    void ReportFailure(HWND bar, std::wstring message);

    MenuHotkeyAttempts attempts_;
    bool registered_ = false;
    std::optional<std::wstring> failure_;  // posted, not shown yet
    bool showingFailure_ = false;
};

}  // namespace quorbel
