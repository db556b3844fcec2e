#include "tests/support/win/DropHandle.h"

#include <shlobj.h>

#include <cstring>

namespace quorbel::test {

HDROP MakeDrop(const std::vector<std::wstring>& names)
{
    std::wstring list;
    for (const std::wstring& name : names)
        list += name + L'\0';
    list += L'\0';
    const std::size_t bytes = list.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), bytes);
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

HDROP MakeDrop(const std::vector<std::string>& names)
{
    std::vector<std::wstring> wide;
    for (const std::string& name : names) {
        std::wstring w(name.size(), L'\0');
        w.resize(static_cast<std::size_t>(
            MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), w.data(), static_cast<int>(w.size()))));
        wide.push_back(std::move(w));
    }
    return MakeDrop(wide);
}

}  // namespace quorbel::test
