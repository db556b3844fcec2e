#include "menus/win/MenuFont.h"

#include <cwchar>

#include "menus/MenuRowStyle.h"

namespace quorbel {

fw::Font CreateMenuFont(int tenths, bool bold)
{
    int dpiY;
    {
        fw::WindowDC screen(nullptr);
        dpiY = GetDeviceCaps(screen.get(), LOGPIXELSY);
    }
    // Every field the row does not decide stays zero: the mapper's defaults.
    LOGFONTW font{};
    font.lfHeight = MenuFontHeight(tenths, dpiY);
    font.lfCharSet = DEFAULT_CHARSET;
    if (bold)
        font.lfWeight = FW_BOLD;
    wcsncpy(font.lfFaceName, menu_style::kFaceName, LF_FACESIZE - 1);
    return fw::Font(CreateFontIndirectW(&font));
}

}  // namespace quorbel
