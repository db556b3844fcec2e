#pragma once
#include <windows.h>

#include <string>

namespace standin {

// One file panel: a header naming the folder and a list of what it holds. A folder
// that cannot be listed (or does not exist) is still shown by name; the bar only needs
// the name to change.
class FolderPanel {
public:
    bool Create(HWND parent, int headerId, int listId);

    void SetFolder(const std::string& folder);
    const std::string& Folder() const { return folder_; }

    HWND Header() const { return header_; }
    void MoveTo(const RECT& area, int headerHeight) const;

private:
    void Refill() const;

    HWND header_ = nullptr;
    HWND list_ = nullptr;
    std::string folder_;
};

// True when `folder` ends in a backslash that is a character of its own, not the trail
// byte of a double-byte character (code page 932 has such trail bytes).
bool EndsWithSeparator(const std::string& folder);

}  // namespace standin
