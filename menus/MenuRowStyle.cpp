#include "menus/MenuRowStyle.h"

#include <cstdint>
#include <limits>

namespace quorbel {

int MenuFontTenths(const FolderMenuItem& item)
{
    return item.fontSize > 0 ? item.fontSize : menu_style::kDefaultFontTenths;
}

int MenuFontHeight(int tenths, int dpiY)
{
    // MulDiv-like in 64 bits: a hand-edited size can be anywhere in the int range.
    const std::int64_t pixels = static_cast<std::int64_t>(dpiY) * tenths / 720;
    if (pixels > std::numeric_limits<int>::max())
        return -std::numeric_limits<int>::max();
    if (pixels < -static_cast<std::int64_t>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return -static_cast<int>(pixels);
}

unsigned RowBackground(const FolderMenuItem& item)
{
    return item.backgroundColour == -1 ? menu_style::kDefaultBackground
                                       : static_cast<unsigned>(item.backgroundColour);
}

unsigned RowTextColour(const FolderMenuItem& item)
{
    return item.textColour == -1 ? menu_style::kDefaultText
                                 : static_cast<unsigned>(item.textColour);
}

Rect GutterRect(const Rect& row)
{
    return {row.left, row.top, SaturatingAdd(row.left, menu_style::kGutterWidth), row.bottom};
}

Rect LabelRect(const Rect& row)
{
    return {SaturatingAdd(row.left, menu_style::kLabelIndent), row.top, row.right, row.bottom};
}

Rect SeparatorLineRect(const Rect& row)
{
    const int y = SaturatingAdd(row.top, menu_style::kSeparatorOffset);
    return {SaturatingAdd(row.left, menu_style::kSeparatorIndent), y, row.right,
            SaturatingAdd(y, 1)};
}

}  // namespace quorbel
