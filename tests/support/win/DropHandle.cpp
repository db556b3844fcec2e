#include "tests/support/win/DropHandle.h"

#include <shlobj.h>

#include <cstring>

namespace quorbel::test {

HDROP MakeDrop(const std::vector<std::string>& names)
{
    std::string list;
    for (const std::string& name : names)
        list += name + '\0';
    list += '\0';
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

}  // namespace quorbel::test
