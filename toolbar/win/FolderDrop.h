#pragma once
#include <windows.h>

#include "base/Geometry.h"

namespace quorbel {

// What adding a dropped folder needs of the window that holds the folder toolbar.
class FolderDropSite {
public:
    // The window that owns the drop menu and the folder-menu dialog.
    virtual HWND DropWindow() const = 0;
    // The screen rectangle of toolbar button `position`; empty when there is none.
    virtual Rect ButtonScreenRect(int position) const = 0;
    // Rebuilds the buttons from the INI files and re-fits the window to them.
    virtual void ReloadButtons() = 0;

protected:
    ~FolderDropSite() = default;
};

// WM_FOLDER_DROPPED: the folder in DroppedFolderPath() was dropped over button
// `position` (as hit-tested; may be negative). Asks whether it becomes a new button
// beside that one or a new row of its folder menu, and adds it there through the
// matching dialog. 0 when the user dismissed the choice, else 1.
LRESULT AddDroppedFolder(FolderDropSite& site, int position);

}  // namespace quorbel
