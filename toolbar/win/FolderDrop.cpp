// A folder dropped on the bar becomes a new button beside the one it was dropped on, or
// a new row of that button's folder menu, as the user chooses.

#include "toolbar/win/FolderDrop.h"

#include <optional>
#include <string>

#include "dialogs/win/BarButtonDialog.h"
#include "dialogs/win/FolderButtonDialog.h"
#include "framework/MenuTable.h"
#include "framework/MessageBox.h"
#include "toolbar/ButtonInsertion.h"
#include "toolbar/ButtonSections.h"
#include "toolbar/DropPlan.h"
#include "toolbar/FolderButton.h"
#include "toolbar/Submenu.h"

namespace quorbel {

namespace {

enum DropCommand : UINT {
    kAddBeside = 1,
    kAddToMenu = 2,
};

constexpr fw::MenuItemSpec kDropMenu[] = {
    {kAddBeside, L"옆에 버튼으로 추가"},
    {kAddToMenu, L"아래 메뉴로 추가"},
};

// Asks what to do with the folder; the menu is gone before anything is opened.
UINT AskDropChoice(HWND bar, const DropPlan& plan)
{
    POINT cursor;
    GetCursorPos(&cursor);
    const fw::Menu menu = fw::BuildPopupMenu(kDropMenu);
    if (!plan.offerButton)
        EnableMenuItem(menu.get(), kAddBeside, MF_BYCOMMAND | MF_GRAYED);
    if (!plan.offerSubmenu)
        EnableMenuItem(menu.get(), kAddToMenu, MF_BYCOMMAND | MF_GRAYED);
    return static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_RETURNCMD, cursor.x, cursor.y, 0, bar, nullptr));
}

// A new button right after the buttons the user sees, kept when its dialog ends with OK
// and taken back otherwise.
void AddFolderAsButton(FolderDropSite& site, int position, const Rect& anchor)
{
    const std::optional<ButtonInsertion> insertion = ButtonInsertion::Insert(position, DroppedFolderPath());
    if (!insertion) {
        fw::ShowMessage(L"버튼 설정에 너무 긴 값이 있어 버튼을 추가할 수 없습니다. "
                        L"Quorbel.ini 파일은 그대로 둡니다.",
                        MB_OK);
        return;
    }
    BarButtonDialog dialog(insertion->Position(), anchor, nullptr);
    if (dialog.DoModal() == IDOK)
        site.ReloadButtons();
    else
        insertion->TakeBack();  // the bar never showed the new button: nothing to reload
}

// FolderButtonDialog for the lowest free entry of button `position`'s folder menu; true
// when it ended with OK. False at once when all entries are taken.
bool AddFolderToSubmenu(HWND owner, int position, const std::string& folderPath, const Rect& anchor)
{
    const std::string submenuKey = ButtonSubmenuKey(position);
    const std::optional<std::string> entryKey = FirstFreeEntryKey(submenuKey);
    if (!entryKey)
        return false;
    FolderButtonDialog dialog(anchor, *entryKey, submenuKey, folderPath, owner);
    return dialog.DoModal() == IDOK;
}

}  // namespace

LRESULT AddDroppedFolder(FolderDropSite& site, int position)
{
    SetForegroundWindow(site.DropWindow());
    // The count the load showed, not `size` as typed: the drop lands right after the
    // buttons the user sees, and the dialogs open below the one it goes beside.
    const DropPlan plan = PlanDrop(position, ButtonCount());
    const Rect anchor = site.ButtonScreenRect(plan.askUser ? plan.anchor : position);

    if (plan.askUser) {
        const UINT choice = AskDropChoice(site.DropWindow(), plan);
        if (choice == 0)
            return 0;
        if (choice == kAddToMenu) {
            // The button's image shows whether it has entries: reload after an addition.
            if (AddFolderToSubmenu(site.DropWindow(), plan.anchor, DroppedFolderPath(), anchor))
                site.ReloadButtons();
            return 1;
        }
    }
    AddFolderAsButton(site, plan.newPosition, anchor);
    return 1;
}

}  // namespace quorbel
