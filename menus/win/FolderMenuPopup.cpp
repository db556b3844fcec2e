#include "menus/win/FolderMenuPopup.h"

namespace quorbel {

fw::Menu BuildFolderPopup(const FolderMenu& menu)
{
    return BuildFolderPopup(menu.Rows());
}

fw::Menu BuildFolderPopup(const std::vector<FolderMenuRow>& rows)
{
    fw::Menu popup(CreatePopupMenu());
    for (const FolderMenuRow& row : rows) {
        if (FixedRowLabel(row.itemId).empty())
            OutputDebugStringA(row.decoration.c_str());
        // No text and no item data: the painter finds the row through its id.
        const UINT flags = row.separator ? MF_SEPARATOR | MF_OWNERDRAW : MF_OWNERDRAW;
        AppendMenuA(popup.get(), flags, static_cast<UINT_PTR>(row.commandId), nullptr);
    }
    return popup;
}

int TrackFolderPopup(HMENU popup, POINT at, HWND owner)
{
    return static_cast<int>(TrackPopupMenu(popup, TPM_RETURNCMD, at.x, at.y, 0, owner, nullptr));
}

}  // namespace quorbel
