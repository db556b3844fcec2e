#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

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

    void RemoveAllButtons();
    // Appends `count` enabled plain buttons with command id 0, image 0 and no caption.
    void AddBlankButtons(int count);
    // Sets command id, style, image and caption of the button at `index`.
    void SetButton(int index, int commandId, BYTE style, int image, const std::string& text);
    void SetButton(int index, int commandId, BYTE style, int image, const std::wstring& text);
    void SetImageList(HIMAGELIST images);
    // Lays the buttons out again after a change.
    void Relayout();

protected:
    // Runs once the window exists (in place of WM_CREATE, which a subclass never sees).
    virtual bool OnCreated() { return true; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintBorders();
};

}  // namespace fw
