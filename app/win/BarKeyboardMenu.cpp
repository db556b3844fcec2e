// The menu hotkey: every folder of the bar one key away from the host.

#include "app/GlueTick.h"
#include "app/win/BarWindow.h"
#include "host/win/HostControl.h"
#include "menus/win/OpenKeyboardMenu.h"

namespace quorbel {

namespace {

std::string ClassNameOf(HWND window)
{
    char name[260] = "";
    if (window)
        GetClassNameA(window, name, sizeof name);
    return name;
}

// EnumThreadWindows: stops at a shown window of the bar's thread other than the bar, and
// stores it through `found` (an HWND*, holding the bar on entry).
BOOL CALLBACK FindOtherShownWindow(HWND window, LPARAM found)
{
    HWND& result = *reinterpret_cast<HWND*>(found);
    if (window == result || !IsWindowVisible(window))
        return TRUE;
    result = window;
    return FALSE;
}

// A menu, dialog or message box of the program is on screen: its modal loop would run a
// second menu inside itself.
bool BarThreadBusy(HWND bar)
{
    HWND found = bar;
    EnumThreadWindows(GetCurrentThreadId(), FindOtherShownWindow, reinterpret_cast<LPARAM>(&found));
    return found != bar;
}

}  // namespace

void BarWindow::OnMenuHotkey()
{
    // A press queued just before the bar hid belongs to the program now in front.
    if (!IsWindowVisible(hwnd()) || BarThreadBusy(hwnd()))
        return;
    // The host in front gets the foreground back; with the bar itself in front, the one
    // found by class.
    HWND host = GetForegroundWindow();
    if (!IsHostClass(ClassNameOf(host)))
        host = FindHostWindow();

    const Rect first = ButtonScreenRect(0);
    const KeyboardMenuChoice choice = OpenKeyboardMenu(FolderButtonList(), POINT{first.left, first.bottom}, hwnd());
    switch (choice.kind) {
    case KeyboardMenuChoice::Kind::Nothing:
        break;
    case KeyboardMenuChoice::Kind::Button:
        ActivateButton(choice.position, false);
        break;
    case KeyboardMenuChoice::Kind::Row:
        // Never a removal: the hotkey's Ctrl may still be down when Return chooses.
        ActOnFolderMenuChoice(choice.row, false, choice.submenuKey, *this);
        break;
    }
    if (host)
        SetForegroundWindow(host);
}

}  // namespace quorbel
