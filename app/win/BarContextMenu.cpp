// The bar's context menu: what a right click with Ctrl, or on a button without folder
// entries, offers. The only place where a button is deleted and gluing switched.

#include <windows.h>
#include <shellapi.h>

#include "app/win/BarWindow.h"
#include "config/ConfigNames.h"
#include "config/IniPath.h"
#include "config/IniSection.h"
#include "dialogs/win/BarButtonDialog.h"
#include "framework/MenuTable.h"
#include "framework/MessageBox.h"
#include "toolbar/ButtonSections.h"
#include "toolbar/FolderButton.h"

namespace quorbel {

namespace {

enum ContextCommand : UINT {
    kEdit = 100,
    kDelete = 101,
    kQuit = 102,
    kHelp = 103,
    kGlue = 104,
};

// The order on the menu is not the order of the ids.
constexpr fw::MenuItemSpec kContextMenu[] = {
    {kEdit, L"수정"},
    {kDelete, L"삭제"},
    {kGlue, L"토탈커맨드창에 달라붙기"},
    {kHelp, L"도움말"},
    {kQuit, L"Quorbel 종료"},
};

constexpr char kHelpFile[] = "Quorbel.txt";

}  // namespace

LRESULT BarWindow::OnButtonContextMenu(int position, bool ctrl)
{
    if (!ctrl && ActivateButton(position, true))
        return 0;

    POINT cursor;
    GetCursorPos(&cursor);
    const fw::Menu menu = fw::BuildPopupMenu(kContextMenu);
    const IniSection settings(kMainSection, IniPath(kMainIniFile));
    const int glue = settings.ReadInt(key::kGlue, kDefaultGlue);
    if (glue != 0)
        CheckMenuItem(menu.get(), kGlue, MF_BYCOMMAND | MF_CHECKED);

    const UINT choice = TrackPopupMenu(menu.get(), TPM_RETURNCMD, cursor.x, cursor.y, 0, hwnd(), nullptr);
    switch (choice) {
    case kEdit:
        EditButton(position);
        break;
    case kDelete:
        DeleteButtonAt(position);
        break;
    case kGlue:
        // The glue timer reads the setting on its next tick: nothing else to do.
        settings.WriteInt(key::kGlue, glue == 0 ? 1 : 0);
        break;
    case kHelp:
        ShellExecuteA(hwnd(), "open", IniPath(kHelpFile).c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
        break;
    case kQuit:
        PostQuitMessage(1);
        break;
    default:
        break;
    }
    return 1;
}

void BarWindow::EditButton(int position)
{
    BarButtonDialog dialog(position, ButtonScreenRect(position), nullptr);
    if (dialog.DoModal() == IDOK)
        ReloadButtons();
}

void BarWindow::DeleteButtonAt(int position)
{
    const std::vector<FolderButton>& buttons = FolderButtonList();
    if (position < 0 || static_cast<std::size_t>(position) >= buttons.size())
        return;
    // No confirmation: the bar's menu is a deliberate, two-step gesture already.
    const ButtonEdit deleted = DeleteButton(position, buttons[static_cast<std::size_t>(position)].submenuKey);
    if (deleted == ButtonEdit::kValueTooLong)
        fw::ShowMessage(L"버튼 설정에 너무 긴 값이 있어 버튼을 삭제할 수 없습니다. "
                        L"Quorbel.ini 파일은 그대로 둡니다.",
                        MB_OK);
    ReloadButtons();
}

Rect BarWindow::ButtonScreenRect(int position) const
{
    if (position < 0 || position >= toolbar_.ButtonCount())
        return Rect{};
    RECT r = toolbar_.ItemRect(position);
    MapWindowPoints(toolbar_.hwnd(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    return Rect{r.left, r.top, r.right, r.bottom};
}

}  // namespace quorbel
