#include "framework/ColorDialog.h"

#include <commdlg.h>

namespace fw {

std::optional<COLORREF> ChooseColour(HWND owner, COLORREF initial)
{
    // The custom colours live for the whole run, as the chooser expects.
    static COLORREF custom[16] = {};
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = owner;
    choose.rgbResult = initial;
    choose.lpCustColors = custom;
    if (!ChooseColorW(&choose))
        return std::nullopt;
    return choose.rgbResult;
}

}  // namespace fw
