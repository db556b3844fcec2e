#include "dialogs/win/DialogPlacement.h"

#include "dialogs/Placement.h"

namespace quorbel {

namespace {

Rect ScreenRect(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

Point PlaceDialogBelow(HWND dialog, const Rect& anchor)
{
    const Rect now = ScreenRect(dialog);
    // SM_CXSCREEN is the primary screen only; the pull-in is meant for the screen the bar
    // usually sits on, and a dialog is never moved up or down to fit.
    const Point at = PlaceBelow(anchor, now.Width(), GetSystemMetrics(SM_CXSCREEN));
    MoveWindow(dialog, at.x, at.y, now.Width(), now.Height(), TRUE);
    return at;
}

Rect AnchorAboveWindow(HWND window)
{
    return AnchorAbove(ScreenRect(window));
}

void SetDialogHeight(HWND dialog, int height)
{
    SetWindowPos(dialog, nullptr, 0, 0, ScreenRect(dialog).Width(), height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CentreOnDesktop(HWND dialog)
{
    const Rect desktop = ScreenRect(GetDesktopWindow());
    const Rect now = ScreenRect(dialog);
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
