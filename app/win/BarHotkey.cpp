#include "app/win/BarHotkey.h"

#include "config/ConfigNames.h"
#include "config/IniPath.h"
#include "config/IniSection.h"
#include "framework/MessageBox.h"

namespace quorbel {

namespace {

// The bar's one hotkey: any id below 0xC000 is the application's own.
constexpr int kHotkeyId = 1;

static_assert(hotkey_modifier::kAlt == MOD_ALT && hotkey_modifier::kControl == MOD_CONTROL &&
              hotkey_modifier::kShift == MOD_SHIFT && hotkey_modifier::kWin == MOD_WIN);

// The setting is data in the system code page.
std::wstring Wide(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::wstring UnknownMessage(const std::string& text)
{
    return L"메뉴 단축키 설정 sMenuHotkey=" + Wide(text) + L" 을(를) 알 수 없습니다.\n예: sMenuHotkey=Ctrl+Alt+Q";
}

std::wstring HeldMessage(const std::string& text)
{
    return L"메뉴 단축키 " + Wide(text) + L" 은(는) 다른 프로그램이 이미 쓰고 있습니다.";
}

}  // namespace

std::string BarHotkey::Setting()
{
    return IniSection(kMainSection, IniPath(kMainIniFile)).ReadString(key::kMenuHotkey);
}

void BarHotkey::Follow(HWND bar, const std::string& setting)
{
    if (!IsWindowVisible(bar)) {
        Release(bar);
        attempts_.Hidden();
        return;
    }
    // A hand edit counts at the next tick.
    if (attempts_.Try(setting))
        Try(bar, setting);
}

void BarHotkey::Try(HWND bar, const std::string& text)
{
    Release(bar);
    if (text.empty())
        return;
    const std::optional<MenuHotkey> hotkey = ParseMenuHotkey(text);
    if (!hotkey) {
        ReportFailure(bar, UnknownMessage(text));
        return;
    }
    // One press, one menu: a key held down does not repeat the hotkey.
    registered_ = RegisterHotKey(bar, kHotkeyId, hotkey->modifiers | MOD_NOREPEAT, hotkey->virtualKey) != FALSE;
    if (!registered_)
        ReportFailure(bar, HeldMessage(text));
}

void BarHotkey::Release(HWND bar)
{
    if (registered_)
        UnregisterHotKey(bar, kHotkeyId);
    registered_ = false;
}

void BarHotkey::ReportFailure(HWND bar, std::wstring message)
{
    if (!attempts_.ReportFailure())
        return;
    failure_ = std::move(message);
    PostMessageW(bar, WM_MENU_HOTKEY_FAILED, 0, 0);
}

void BarHotkey::ShowFailure()
{
    // A failure reported while a box is up waits for it: the loop shows it next.
    if (showingFailure_)
        return;
    showingFailure_ = true;
    while (failure_) {
        const std::wstring message = std::move(*failure_);
        failure_.reset();
        HWND front = GetForegroundWindow();
        fw::ShowMessage(message.c_str(), MB_OK | MB_ICONEXCLAMATION);
        if (front)
            SetForegroundWindow(front);
    }
    showingFailure_ = false;
}

}  // namespace quorbel
