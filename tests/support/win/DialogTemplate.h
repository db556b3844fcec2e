#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quorbel::test {

// A DIALOGEX template as the resource compiler stored it, decoded for checking.
struct DialogItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    std::wstring className;  // "Button", "Edit", "Static", "ComboBox" for the atoms
    std::wstring text;
};

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring title;
    int fontSize = 0;
    std::wstring fontName;
    std::vector<DialogItem> items;

    const DialogItem* Find(int id) const;
    const DialogItem* FindText(const std::wstring& text) const;
};

// Decodes template `id` of `module`; false when it is missing or not a DIALOGEX.
bool LoadDialogTemplate(HMODULE module, int id, DialogTemplate& out);

}  // namespace quorbel::test
