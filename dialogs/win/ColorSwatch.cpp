#include "dialogs/win/ColorSwatch.h"

#include "framework/Handles.h"

namespace quorbel {

void PaintSwatch(HDC dc, const RECT& area, bool hasColour, COLORREF colour)
{
    if (hasColour) {
        const fw::Brush brush(CreateSolidBrush(colour));
        FillRect(dc, &area, brush.get());
        return;
    }
    RECT text = area;
    // DT_VCENTER alone has no effect without DT_SINGLELINE: the text sits at the top.
    DrawTextW(dc, L"색없음", -1, &text, DT_VCENTER);
}

LRESULT ColorSwatch::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return Default(message, wParam, lParam);
    fw::PaintDC dc(hwnd());
    RECT client;
    GetClientRect(hwnd(), &client);
    PaintSwatch(dc.get(), client, hasColour, colour);
    return 0;
}

}  // namespace quorbel
