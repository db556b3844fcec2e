#pragma once
#include <windows.h>

#include <cstddef>

#include "framework/Handles.h"

namespace fw {

// One string item of a popup menu described as data.
struct MenuItemSpec {
    UINT id;
    const wchar_t* text;
};

// A popup menu holding the given string items, in order, with no separators.
template <std::size_t N>
Menu BuildPopupMenu(const MenuItemSpec (&items)[N])
{
    Menu menu(CreatePopupMenu());
    for (const MenuItemSpec& item : items)
        AppendMenuW(menu.get(), MF_STRING, item.id, item.text);
    return menu;
}

}  // namespace fw
