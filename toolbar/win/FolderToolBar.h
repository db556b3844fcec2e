#pragma once
#include "framework/Handles.h"
#include "framework/ToolBar.h"

namespace quorbel {

// Posted to the bar: the right button went down over button wParam; lParam is 1 when
// Ctrl was held.
inline constexpr UINT WM_BUTTON_CONTEXT = WM_USER + 100;
// Posted to the bar: an item was dropped over button wParam (as hit-tested, possibly
// negative; lParam the same); its path is in DroppedFolderPath().
inline constexpr UINT WM_FOLDER_DROPPED = WM_USER + 200;

// The strip of folder buttons on the bar.
class FolderToolBar : public fw::ToolBar {
public:
    // Rebuilds the buttons and the FolderButtonList from the INI files.
    void LoadButtons();

protected:
    bool OnCreated() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnRightButtonDown(POINT client);
    void OnDropFiles(HDROP drop);

    fw::ImageList images_;
};

}  // namespace quorbel
