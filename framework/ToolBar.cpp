#include "framework/ToolBar.h"

#include <vector>

#include "framework/Handles.h"

namespace fw {

bool ToolBar::Create(HWND parent, DWORD style, UINT id)
{
    // The control must not place or size itself: the owner lays the bar out.
    const DWORD controlStyle = style | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | CCS_NOMOVEY;
    HWND window = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", controlStyle, 0, 0, 0, 0, parent,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                  GetModuleHandleW(nullptr), nullptr);
    if (!window)
        return false;
    SendMessageW(window, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    if (!Attach(window)) {
        DestroyWindow(window);
        return false;
    }
    // The borders are non-client area: have the system ask for them now.
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!OnCreated()) {
        Detach();
        DestroyWindow(window);
        return false;
    }
    return true;
}

SIZE ToolBar::CalcFixedLayout() const
{
    int right = 0;
    int height = 0;
    const int count = ButtonCount();
    for (int i = 0; i < count; ++i) {
        const RECT r = ItemRect(i);
        if (r.right > right)
            right = r.right;
        if (r.bottom - r.top > height)
            height = r.bottom - r.top;
    }
    if (count == 0)
        height = HIWORD(SendMessageW(hwnd(), TB_GETBUTTONSIZE, 0, 0));
    return SIZE{right + kLeftBorder + kRightBorder, height + kTopBorder + kBottomBorder + kEdge};
}

int ToolBar::ButtonCount() const
{
    return static_cast<int>(SendMessageW(hwnd(), TB_BUTTONCOUNT, 0, 0));
}

RECT ToolBar::ItemRect(int index) const
{
    RECT r{};
    SendMessageW(hwnd(), TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

int ToolBar::HitTest(POINT client) const
{
    return static_cast<int>(SendMessageW(hwnd(), TB_HITTEST, 0, reinterpret_cast<LPARAM>(&client)));
}

void ToolBar::RemoveAllButtons()
{
    for (int i = ButtonCount() - 1; i >= 0; --i)
        SendMessageW(hwnd(), TB_DELETEBUTTON, static_cast<WPARAM>(i), 0);
}

void ToolBar::AddBlankButtons(int count)
{
    if (count <= 0)
        return;
    std::vector<TBBUTTON> buttons(static_cast<std::size_t>(count));
    for (TBBUTTON& b : buttons) {
        b.iBitmap = 0;
        b.idCommand = 0;
        b.fsState = TBSTATE_ENABLED;
        b.fsStyle = BTNS_BUTTON;
        b.iString = -1;
    }
    SendMessageW(hwnd(), TB_ADDBUTTONSW, static_cast<WPARAM>(buttons.size()),
                 reinterpret_cast<LPARAM>(buttons.data()));
}

void ToolBar::SetButton(int index, int commandId, BYTE style, int image, const std::string& text)
{
    TBBUTTONINFOA info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_BYINDEX | TBIF_COMMAND | TBIF_STYLE | TBIF_IMAGE | TBIF_TEXT;
    info.idCommand = commandId;
    info.fsStyle = style;
    info.iImage = image;
    info.pszText = const_cast<char*>(text.c_str());
    SendMessageA(hwnd(), TB_SETBUTTONINFOA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
}

void ToolBar::SetButton(int index, int commandId, BYTE style, int image, const std::wstring& text)
{
    TBBUTTONINFOW info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_BYINDEX | TBIF_COMMAND | TBIF_STYLE | TBIF_IMAGE | TBIF_TEXT;
    info.idCommand = commandId;
    info.fsStyle = style;
    info.iImage = image;
    info.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(hwnd(), TB_SETBUTTONINFOW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
}

void ToolBar::SetImageList(HIMAGELIST images)
{
    SendMessageW(hwnd(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
}

void ToolBar::Relayout()
{
    SendMessageW(hwnd(), TB_AUTOSIZE, 0, 0);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

LRESULT ToolBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCALCSIZE: {
        const LRESULT result = Default(message, wParam, lParam);
        RECT* client = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                              : reinterpret_cast<RECT*>(lParam);
        client->left += kLeftBorder;
        client->top += kTopBorder;
        client->right -= kRightBorder;
        client->bottom -= kBottomBorder + kEdge;
        if (client->right < client->left)
            client->right = client->left;
        if (client->bottom < client->top)
            client->bottom = client->top;
        return result;
    }
    case WM_NCPAINT:
        Default(message, wParam, lParam);
        PaintBorders();
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

void ToolBar::PaintBorders()
{
    RECT screen;
    GetWindowRect(hwnd(), &screen);
    RECT window = screen;
    OffsetRect(&window, -screen.left, -screen.top);
    RECT client;
    GetClientRect(hwnd(), &client);
    MapWindowPoints(hwnd(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -screen.left, -screen.top);

    NonClientDC dc(hwnd());
    if (!dc.get())
        return;
    ExcludeClipRect(dc.get(), client.left, client.top, client.right, client.bottom);
    FillRect(dc.get(), &window, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc.get(), &window, EDGE_ETCHED, BF_BOTTOM);
}

}  // namespace fw
