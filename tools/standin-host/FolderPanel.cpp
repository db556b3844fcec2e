#include "tools/standin-host/FolderPanel.h"

namespace standin {

bool EndsWithSeparator(const std::string& folder)
{
    if (folder.empty())
        return false;
    const char* begin = folder.c_str();
    const char* end = begin + folder.size();
    const char* last = CharPrevA(begin, end);
    return end - last == 1 && *last == '\\';
}

bool FolderPanel::Create(HWND parent, int headerId, int listId)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // SS_NOPREFIX: a folder named "A&B" is shown as it is.
    header_ = CreateWindowExW(0, L"STATIC", L"",
                              WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_CENTERIMAGE,
                              0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(headerId)), instance, nullptr);
    list_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT |
                                LBS_NOTIFY,
                            0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(listId)), instance, nullptr);
    return header_ && list_;
}

void FolderPanel::SetFolder(const std::string& folder)
{
    folder_ = folder;
    SetWindowTextA(header_, folder_.c_str());
    Refill();
}

void FolderPanel::MoveTo(const RECT& area, int headerHeight) const
{
    const int width = area.right - area.left;
    MoveWindow(header_, area.left, area.top, width, headerHeight, TRUE);
    MoveWindow(list_, area.left, area.top + headerHeight, width,
               area.bottom - area.top - headerHeight, TRUE);
}

void FolderPanel::Refill() const
{
    SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list_, LB_RESETCONTENT, 0, 0);
    if (!folder_.empty()) {
        std::string pattern = folder_;
        if (!EndsWithSeparator(pattern))
            pattern += '\\';
        pattern += "*.*";
        // Folders come as "[name]", as in the file manager's own brief view.
        SendMessageA(list_, LB_DIR, DDL_DIRECTORY | DDL_READWRITE,
                     reinterpret_cast<LPARAM>(pattern.c_str()));
    }
    SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

}  // namespace standin
