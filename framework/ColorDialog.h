#pragma once
#include <windows.h>

#include <optional>

namespace fw {

// The common colour chooser, run modally. The chosen colour, or nothing on Cancel.
std::optional<COLORREF> ChooseColour(HWND owner, COLORREF initial = 0);

}  // namespace fw
