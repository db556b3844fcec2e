#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/Window.h"

namespace fw {

// A toolbar common control used as a control bar: the control draws its buttons, and
// this class gives it the border strip of a docked control bar (a non-client frame
// around the buttons) so that its size as one fixed row can be asked for.
class ToolBar : public Subclass {
public:
    // Non-client borders around the buttons, in pixels.
    static constexpr int kLeftBorder = 6;
    static constexpr int kRightBorder = 6;
    static constexpr int kTopBorder = 3;
    static constexpr int kBottomBorder = 3;
    static constexpr int kEdge = 2;  // the 3D edge below a bar docked at the top

    // Creates the control as a child of `parent`, with window style `style` (WS_CHILD,
    // WS_VISIBLE, ...) and the given control id, then runs OnCreated; when that fails the
    // window is destroyed again.
    bool Create(HWND parent, DWORD style, UINT id);

    // The size of the bar as one horizontal row, not stretched, borders included.
    SIZE CalcFixedLayout() const;

    int ButtonCount() const;
    RECT ItemRect(int index) const;  // in the control's client coordinates
    int HitTest(POINT client) const;  // button index, or negative beside the buttons

    // One enabled button as the strip shows it.
    struct Button {
        int commandId = 0;
        BYTE style = BTNS_BUTTON;
        int image = 0;
        std::wstring caption;
    };

    // Replaces every button with `buttons`, laid out once: the control measures and
    // places its buttons again after every single change, which a bar of a hundred
    // buttons would pay a hundred times over.
    void SetButtons(const std::vector<Button>& buttons);
    void SetImageList(HIMAGELIST images);

protected:
    // Runs once the window exists (in place of WM_CREATE, which a subclass never sees).
    virtual bool OnCreated() { return true; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Replaces the control with a new empty one of the same style, id and place.
    bool Recreate();
    void PaintBorders();
};

}  // namespace fw
