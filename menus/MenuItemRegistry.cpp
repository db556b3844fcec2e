#include "menus/MenuItemRegistry.h"

namespace quorbel {

bool MenuItemRegistry::Lookup(int id, FolderMenuItem& item) const
{
    const auto found = items_.find(id);
    if (found == items_.end())
        return false;
    item = found->second;
    return true;
}

MenuItemRegistry& MenuItems()
{
    static MenuItemRegistry registry;
    return registry;
}

}  // namespace quorbel
