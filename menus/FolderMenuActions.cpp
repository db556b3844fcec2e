#include "menus/FolderMenuActions.h"

#include "toolbar/Submenu.h"

namespace quorbel {

void ActOnFolderMenuChoice(const FolderMenuChoice& choice, bool ctrlHeld,
                           const std::string& submenuKey, FolderMenuActions& actions)
{
    switch (choice.kind) {
    case FolderMenuChoice::Kind::Nothing:
        return;
    case FolderMenuChoice::Kind::Manage:
        actions.OpenOrderDialog(submenuKey);
        return;
    case FolderMenuChoice::Kind::Entry:
        if (ctrlHeld) {
            // By the key's own name: a hand-made "05" must not empty a "5" beside it,
            // which reading the name as a number and writing it back would do.
            ClearSubmenuEntry(submenuKey, choice.key);
            actions.ReloadButtons();
        } else {
            actions.ChangeDirectory(choice.path);
        }
        return;
    }
}

}  // namespace quorbel
