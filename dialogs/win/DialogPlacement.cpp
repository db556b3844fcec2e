#include "dialogs/win/DialogPlacement.h"

#include "dialogs/Placement.h"

namespace quorbel {

Rect WindowRectOf(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

Point PlaceDialogBelow(HWND dialog, const Rect& anchor)
{
    const Rect now = WindowRectOf(dialog);
    // SM_CXSCREEN is the primary screen only; the pull-in is meant for the screen the bar
    // usually sits on, and a dialog is never moved up or down to fit.
    const Point at = PlaceBelow(anchor, now.Width(), GetSystemMetrics(SM_CXSCREEN));
    MoveWindow(dialog, at.x, at.y, now.Width(), now.Height(), TRUE);
    return at;
}

void CentreOnDesktop(HWND dialog)
{
    const Rect desktop = WindowRectOf(GetDesktopWindow());
    const Rect now = WindowRectOf(dialog);
    const int x = desktop.left + (desktop.Width() - now.Width()) / 2;
    const int y = desktop.top + (desktop.Height() - now.Height()) / 2;
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT ControlRect(HWND dialog, int id)
{
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    // Two points in a row are exactly what a RECT is laid out as.
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace quorbel
