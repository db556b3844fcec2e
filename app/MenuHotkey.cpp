#include "app/MenuHotkey.h"

namespace quorbel {

namespace {

constexpr unsigned kVirtualKeyF1 = 0x70;
constexpr int kLastFunctionKey = 24;

char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view Trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// `upper` is spelled in capitals; only ASCII letters fold, so no byte of a double-byte
// character can ever match.
bool SameWord(std::string_view word, std::string_view upper)
{
    if (word.size() != upper.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (AsciiUpper(word[i]) != upper[i])
            return false;
    return true;
}

unsigned ModifierNamed(std::string_view word)
{
    static constexpr struct {
        std::string_view name;
        unsigned flag;
    } kModifiers[] = {
        {"CTRL", hotkey_modifier::kControl},
        {"ALT", hotkey_modifier::kAlt},
        {"SHIFT", hotkey_modifier::kShift},
        {"WIN", hotkey_modifier::kWin},
    };
    for (const auto& modifier : kModifiers)
        if (SameWord(word, modifier.name))
            return modifier.flag;
    return 0;
}

// The virtual-key code of a letter or digit is its capital ASCII code; F1 to F24 follow
// one another. "F01" and "F0" name no key.
std::optional<unsigned> KeyNamed(std::string_view word)
{
    if (word.size() == 1) {
        const char c = AsciiUpper(word[0]);
        if ((c >= 'A' && c <= 'Z') || IsDigit(c))
            return static_cast<unsigned char>(c);
        return std::nullopt;
    }
    if ((word.size() != 2 && word.size() != 3) || AsciiUpper(word[0]) != 'F' || word[1] == '0')
        return std::nullopt;
    int number = 0;
    for (char c : word.substr(1)) {
        if (!IsDigit(c))
            return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (number > kLastFunctionKey)
        return std::nullopt;
    return kVirtualKeyF1 + static_cast<unsigned>(number - 1);
}

}  // namespace

std::optional<MenuHotkey> ParseMenuHotkey(std::string_view text)
{
    MenuHotkey hotkey;
    // Every part but the last is a modifier named once; the last is the key.
    std::size_t plus;
    while ((plus = text.find('+')) != std::string_view::npos) {
        const unsigned modifier = ModifierNamed(Trimmed(text.substr(0, plus)));
        if (modifier == 0 || (hotkey.modifiers & modifier) != 0)
            return std::nullopt;
        hotkey.modifiers |= modifier;
        text.remove_prefix(plus + 1);
    }
    const std::optional<unsigned> key = KeyNamed(Trimmed(text));
    if (!key)
        return std::nullopt;
    constexpr unsigned kTakesNoCharacter =
        hotkey_modifier::kControl | hotkey_modifier::kAlt | hotkey_modifier::kWin;
    if (*key < kVirtualKeyF1 && (hotkey.modifiers & kTakesNoCharacter) == 0)
        return std::nullopt;
    hotkey.virtualKey = *key;
    return hotkey;
}

bool MenuHotkeyAttempts::Try(const std::string& text)
{
    if (tried_ == text)
        return false;
    if (text != last_)
        reported_ = false;
    tried_ = text;
    last_ = text;
    return true;
}

bool MenuHotkeyAttempts::ReportFailure()
{
    if (reported_)
        return false;
    reported_ = true;
    return true;
}

}  // namespace quorbel
