#include "tools/standin-host/CommandLine.h"

#include <utility>
#include <vector>

namespace standin {

namespace {

// The system combo box's own window procedure, which the superclass passes everything to.
WNDPROC g_systemComboProc = nullptr;

constexpr int kHistoryLimit = 20;

std::wstring Widen(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string WindowTextA(HWND window)
{
    const int length = GetWindowTextLengthA(window);
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int copied = GetWindowTextA(window, buffer.data(), length + 1);
    return std::string(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

}  // namespace

bool CommandLine::RegisterSuperclass(const std::wstring& className)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, className.c_str(), &existing))
        return true;

    // Superclassing keeps the system class's extra bytes and procedure: the control
    // stays a real combo box, only its class name is ours.
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(nullptr, L"COMBOBOX", &wc))
        return false;
    g_systemComboProc = wc.lpfnWndProc;
    wc.lpfnWndProc = SuperclassProc;
    wc.hInstance = instance;
    wc.lpszClassName = className.c_str();
    wc.style &= ~CS_GLOBALCLASS;
    return RegisterClassExW(&wc) != 0;
}

LRESULT CALLBACK CommandLine::SuperclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(g_systemComboProc, window, message, wParam, lParam);
}

bool CommandLine::Create(HWND parent, int id, const std::string& className, ReturnHandler onReturn)
{
    const std::wstring wideClass = Widen(className);
    if (!RegisterSuperclass(wideClass))
        return false;
    // The height includes the dropped-down list.
    combo_ = CreateWindowExW(0, wideClass.c_str(), L"",
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                             0, 0, 100, 200, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleW(nullptr), nullptr);
    if (!combo_)
        return false;
    HWND edit = FindWindowExW(combo_, nullptr, L"EDIT", nullptr);
    if (!edit || !editHook_.Attach(edit))
        return false;
    editHook_.onReturn = std::move(onReturn);
    return true;
}

void CommandLine::SetText(const std::string& text) const
{
    // Through the edit's own procedure (and our hook), so that its caption follows.
    SendMessageA(Edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void CommandLine::Remember(const std::string& text) const
{
    SendMessageA(combo_, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    while (SendMessageA(combo_, CB_GETCOUNT, 0, 0) > kHistoryLimit)
        SendMessageA(combo_, CB_DELETESTRING, kHistoryLimit, 0);
}

// Messages after which the edit may hold other text than before.
bool MayChangeText(UINT message)
{
    switch (message) {
    case WM_SETTEXT:
    case WM_CHAR:
    case WM_IME_CHAR:
    case WM_KEYDOWN:  // Delete
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
        return true;
    default:
        return false;
    }
}

LRESULT CommandLine::EditHook::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            OnReturn();
            return 0;
        }
        break;
    case WM_CHAR:
        // The character a real Return key leaves behind has nothing to insert.
        if (wParam == '\r' || wParam == '\n')
            return 0;
        break;
    default:
        break;
    }
    const LRESULT result = Default(message, wParam, lParam);
    if (MayChangeText(message))
        SyncCaption();
    if (message == EM_REPLACESEL && busyAfterTextMs > 0)
        Sleep(std::exchange(busyAfterTextMs, 0));
    return result;
}

void CommandLine::EditHook::SyncCaption()
{
    // Wine answers GetWindowTextLength and GetWindowText asked from another process out
    // of the caption the window manager keeps, without a message to the window, and an
    // edit control never updates that caption. Keeping it equal to the edit's text lets
    // the bar see what a user sees: an empty command line, or one with text in it.
    const int length = static_cast<int>(SendMessageW(hwnd(), WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = static_cast<int>(
        SendMessageW(hwnd(), WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    DefWindowProcW(hwnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void CommandLine::EditHook::OnReturn()
{
    // The text as GetWindowTextA gives it: the bytes a caller put in with the A messages.
    const std::string text = WindowTextA(hwnd());
    SetWindowTextA(hwnd(), "");
    if (onReturn)
        onReturn(text);
}

}  // namespace standin
