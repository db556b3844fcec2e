#pragma once
#include <string>

namespace quorbel {

// One row of a folder menu as the measuring and drawing handlers see it. A plain value:
// copied into the registry when the menu is built and copied out for every paint.
// -1 means "not set" for every number; 0 is a real value (a black colour).
struct FolderMenuItem {
    int fontSize = -1;          // tenths of a point (90 = 9 pt)
    int itemHeight = -1;        // pixels; a minimum, never a cap
    std::string text;           // the label, in the system code page; may hold a tab
    int textColour = -1;        // COLORREF 0x00BBGGRR
    int backgroundColour = -1;  // COLORREF 0x00BBGGRR
    bool bold = false;
};

}  // namespace quorbel
