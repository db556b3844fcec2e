#pragma once
#include <windows.h>

#include "framework/Window.h"

namespace quorbel {

// A static control that shows a chosen colour as a filled rectangle, or the text
// "색없음" (no colour) when none is chosen. The owner sets both fields and repaints.
class ColorSwatch : public fw::Subclass {
public:
    COLORREF colour = 0;     // meaningful only while hasColour is true
    bool hasColour = false;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The swatch's picture in `area` of `dc`: the colour, or the text in the DC's own font
// and colours from the top-left corner.
void PaintSwatch(HDC dc, const RECT& area, bool hasColour, COLORREF colour);

}  // namespace quorbel
