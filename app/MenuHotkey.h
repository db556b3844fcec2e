#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace quorbel {

// Modifier flags with the values RegisterHotKey takes (MOD_ALT, MOD_CONTROL, MOD_SHIFT,
// MOD_WIN), so that the shell passes them on unchanged.
namespace hotkey_modifier {
inline constexpr unsigned kAlt = 0x1;
inline constexpr unsigned kControl = 0x2;
inline constexpr unsigned kShift = 0x4;
inline constexpr unsigned kWin = 0x8;
}  // namespace hotkey_modifier

// The key that opens the bar's keyboard menu, as RegisterHotKey takes it.
struct MenuHotkey {
    unsigned modifiers = 0;
    unsigned virtualKey = 0;  // 'A'..'Z', '0'..'9', or F1 (0x70) to F24 (0x87)
    bool operator==(const MenuHotkey& o) const { return modifiers == o.modifiers && virtualKey == o.virtualKey; }
};

// Reads sMenuHotkey: modifiers named Ctrl, Alt, Shift or Win, each at most once, joined by
// "+", then one key: a letter, a digit or F1 to F24, in any letter case, with spaces
// allowed around each "+". A letter or digit needs Ctrl, Alt or Win: the host is in
// front whenever the key is registered, and a plain or Shift-only letter would take that
// character from whoever types in it. Nothing when the text names no such combination.
std::optional<MenuHotkey> ParseMenuHotkey(std::string_view text);

// When the bar tries the setting, and when a failure is news to the user. The combination
// is tried once each time the bar shows and again whenever its text changes while the
// bar is shown; a text that fails (unknown, or held by another program) is reported the
// first time it fails, not again on every show, until another text has been tried.
class MenuHotkeyAttempts {
public:
    // The bar hid and gave the combination back: the next show tries again.
    void Hidden() { tried_.reset(); }

    // True when `text`, read while the bar is shown, is to be tried now; from then on it
    // counts as tried until the bar hides.
    bool Try(const std::string& text);

    // True when the failure of the text last tried is to be shown to the user.
    bool ReportFailure();

private:
    std::optional<std::string> tried_;  // since the bar last showed
    std::string last_;                  // tried last, across hides
    bool reported_ = false;             // the failure of `last_` has been shown
};

}  // namespace quorbel
