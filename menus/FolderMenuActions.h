#pragma once
#include <string>

#include "menus/FolderMenu.h"

namespace quorbel {

// What a choice in a folder menu sets off outside the menu. The bar carries these out;
// tests record them.
class FolderMenuActions {
public:
    // Sends the host file manager to `path`.
    virtual void ChangeDirectory(const std::string& path) = 0;
    // Shows the files again: an entry was removed, and the button's image may change.
    virtual void ReloadButtons() = 0;
    // The management row: the dialog that orders, deletes and retitles the entries.
    virtual void OpenOrderDialog(const std::string& submenuKey) = 0;

protected:
    ~FolderMenuActions() = default;
};

// Acts on what the user chose in the menu of the button whose entries are named by
// `submenuKey`. Ctrl held on an entry removes it from the menu (its key becomes a free
// slot, its decoration stays) instead of going there; on the management row Ctrl makes
// no difference.
void ActOnFolderMenuChoice(const FolderMenuChoice& choice, bool ctrlHeld,
                           const std::string& submenuKey, FolderMenuActions& actions);

}  // namespace quorbel
