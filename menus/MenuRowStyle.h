#pragma once
#include "base/Geometry.h"
#include "menus/FolderMenuItem.h"

namespace quorbel {

// The look of a folder-menu row: a pale gutter where a classic menu keeps its check
// marks, the label to its right, a light-blue framed highlight, thin grey separators.
// Colours are COLORREF values (0x00BBGGRR).
namespace menu_style {
inline constexpr unsigned kGutterColour = 0xDEEDEF;
inline constexpr unsigned kSeparatorColour = 0xA8A8A8;
inline constexpr unsigned kSelectedFill = 0xE3D4CA;
inline constexpr unsigned kSelectedFrame = 0xCD9873;
inline constexpr unsigned kDefaultBackground = 0xFCFCFC;
inline constexpr unsigned kDefaultText = 0x000000;

inline constexpr int kSeparatorHeight = 9;
inline constexpr int kMinLabelHeight = 20;
inline constexpr int kGutterWidth = 21;
inline constexpr int kLabelIndent = 24;
inline constexpr int kSeparatorIndent = 23;
inline constexpr int kSeparatorOffset = 3;

inline constexpr int kDefaultFontTenths = 90;
inline constexpr wchar_t kFaceName[] = L"굴림체";
}  // namespace menu_style

// The row font's size in tenths of a point: the item's own when set above 0, else 9 pt.
int MenuFontTenths(const FolderMenuItem& item);

// The LOGFONT height for `tenths` on a screen of `dpiY` dots per inch: the point size
// converted to pixels and negated (a character height, not a cell height).
int MenuFontHeight(int tenths, int dpiY);

// The colours a row is painted in when its record leaves them unset (-1).
unsigned RowBackground(const FolderMenuItem& item);
unsigned RowTextColour(const FolderMenuItem& item);

// Parts of a row rectangle as Windows passes it in DRAWITEMSTRUCT::rcItem.
Rect GutterRect(const Rect& row);
Rect LabelRect(const Rect& row);
Rect SeparatorLineRect(const Rect& row);  // one pixel high

}  // namespace quorbel
