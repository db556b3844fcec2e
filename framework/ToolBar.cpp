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

bool ToolBar::Recreate()
{
    HWND old = hwnd();
    HWND parent = GetParent(old);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(old, GWL_STYLE));
    const UINT id = static_cast<UINT>(GetDlgCtrlID(old));
    RECT place;
    GetWindowRect(old, &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    Detach();
    DestroyWindow(old);
    if (!Create(parent, style, id))
        return false;
    SetWindowPos(hwnd(), nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
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

void ToolBar::SetButtons(const std::vector<Button>& buttons)
{
    // Every deletion lays the remaining buttons out again; a fresh control costs less
    // than a hundred layouts.
    if (ButtonCount() > 0 && !Recreate())
        return;
    SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);

    std::vector<TBBUTTON> added(buttons.size());
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        added[i].iBitmap = buttons[i].image;
        added[i].idCommand = buttons[i].commandId;
        added[i].fsState = TBSTATE_ENABLED;
        added[i].fsStyle = buttons[i].style;
        // A pointer in place of a string index: the caption itself.
        added[i].iString = reinterpret_cast<INT_PTR>(buttons[i].caption.c_str());
    }
    if (!added.empty())
        SendMessageW(hwnd(), TB_ADDBUTTONSW, added.size(), reinterpret_cast<LPARAM>(added.data()));

    SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
    SendMessageW(hwnd(), TB_AUTOSIZE, 0, 0);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void ToolBar::SetImageList(HIMAGELIST images)
{
    SendMessageW(hwnd(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
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
