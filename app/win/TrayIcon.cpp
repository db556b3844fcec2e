#include "app/win/TrayIcon.h"

#include "config/MultiByteText.h"
#include "framework/Handles.h"

namespace quorbel {

namespace {

constexpr wchar_t kClassName[] = L"QuorbelTrayIcon";
constexpr UINT kShowIconWithTip = NIF_MESSAGE | NIF_ICON | NIF_TIP;
constexpr UINT kBalloonTimeout = WM_USER + 4;
constexpr UINT kBalloonClicked = WM_USER + 5;

UINT g_nextIconNumber = TrayIcon::kFirstIconNumber;

// Copies `text` into a fixed buffer, cut before a character that would not fit whole.
void CopyTip(char* tip, std::size_t size, const std::string& text)
{
    const LeadByteTable& lead = ActiveLeadBytes();
    std::size_t length = 0;
    while (length < text.size()) {
        const std::size_t next = length + (lead.IsLead(static_cast<unsigned char>(text[length])) ? 2 : 1);
        if (next > text.size() || next > size - 1)
            break;
        length = next;
    }
    memcpy(tip, text.data(), length);
    tip[length] = '\0';
}

}  // namespace

TrayIcon::TrayIcon()
{
    ZeroMemory(&data_, sizeof data_);
}

TrayIcon::~TrayIcon()
{
    data_.uFlags = 0;
    Shell_NotifyIconA(NIM_DELETE, &data_);
}

bool TrayIcon::Create(HWND owner, const std::string& tipText, HICON icon, bool addNow)
{
    owner_ = owner;
    RegisterWindowClass(kClassName, 0, nullptr, nullptr, nullptr);
    fw::Window::Create(0, kClassName, L"", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                       CW_USEDEFAULT, nullptr, nullptr);

    // The size that includes the balloon fields; the shell reads no further.
    data_.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data_.hWnd = hwnd();
    data_.uID = g_nextIconNumber++;
    data_.hIcon = icon;
    icon_ = icon;
    data_.uFlags = kShowIconWithTip;
    data_.uCallbackMessage = kCallbackMessage;
    CopyTip(data_.szTip, sizeof data_.szTip, tipText);
    if (addNow)
        Shell_NotifyIconA(NIM_ADD, &data_);
    return true;
}

void TrayIcon::AddAgain()
{
    data_.uFlags = kShowIconWithTip;
    Shell_NotifyIconA(NIM_ADD, &data_);
}

LRESULT TrayIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kCallbackMessage)
        return OnTrayNotification(wParam, lParam);
    return fw::Window::HandleMessage(message, wParam, lParam);
}

LRESULT TrayIcon::OnTrayNotification(WPARAM, LPARAM lParam)
{
    switch (lParam) {
    case WM_LBUTTONUP:
        ShowLeftClickMenu();
        break;
    case WM_RBUTTONUP:
        ShowRightClickMenu();
        break;
    case kBalloonTimeout:
    case kBalloonClicked:
        OnBalloonEvent();
        break;
    default:
        break;
    }
    return 1;
}

void TrayIcon::ShowLeftClickMenu()
{
    ShowMenu(leftClickMenu_);
}

void TrayIcon::ShowRightClickMenu()
{
    ShowMenu(rightClickMenu_);
}

void TrayIcon::ShowMenu(int menuId)
{
    if (menuId == 0)
        return;
    fw::Menu menu(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(menuId)));
    HMENU popup = GetSubMenu(menu.get(), 0);
    if (!popup)
        return;
    SetForegroundWindow(owner_);
    POINT cursor;
    GetCursorPos(&cursor);
    TrackPopupMenu(popup, 0, cursor.x, cursor.y, 0, owner_, nullptr);
}

LRESULT BarTrayIcon::OnTrayNotification(WPARAM wParam, LPARAM lParam)
{
    return owner_.OnTrayNotify(wParam, lParam);
}

}  // namespace quorbel
