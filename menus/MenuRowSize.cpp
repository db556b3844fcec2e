#include "menus/MenuRowSize.h"

#include <algorithm>

#include "base/Geometry.h"
#include "menus/MenuRowStyle.h"

namespace quorbel {

namespace {

template <class Char>
LabelParts<Char> SplitAt(std::basic_string_view<Char> label, std::size_t firstTab)
{
    using View = std::basic_string_view<Char>;
    LabelParts<Char> parts;
    parts.main = label.substr(0, firstTab);
    if (firstTab == View::npos)
        return parts;
    parts.hint = label.substr(firstTab + 1);
    return parts;
}

template <class Char, class Extent>
MenuRowSize Measure(const LabelParts<Char>& parts, int itemHeight, const Extent& extent)
{
    const TextExtent main = extent(parts.main);
    std::optional<TextExtent> hint;
    if (!parts.hint.empty())
        hint = extent(parts.hint);
    return LabelRowSize(main, hint, itemHeight);
}

}  // namespace

LabelParts<char> SplitLabelAtTabs(std::string_view label, const LeadByteTable& lead)
{
    LabelParts<char> parts = SplitAt(label, FindFirstChar(label, '\t', lead));
    parts.hint = parts.hint.substr(0, FindFirstChar(parts.hint, '\t', lead));
    return parts;
}

LabelParts<wchar_t> SplitLabelAtTabs(std::wstring_view label)
{
    LabelParts<wchar_t> parts = SplitAt(label, label.find(L'\t'));
    parts.hint = parts.hint.substr(0, parts.hint.find(L'\t'));
    return parts;
}

MenuRowSize SeparatorRowSize(int proposedWidth)
{
    return {proposedWidth, menu_style::kSeparatorHeight};
}

MenuRowSize LabelRowSize(TextExtent main, std::optional<TextExtent> hint, int itemHeight)
{
    const int d = std::max(main.height, menu_style::kMinLabelHeight);
    int width = SaturatingAdd(SaturatingAdd(d / 2, main.width), menu_style::kLabelIndent);
    if (hint)
        width = SaturatingAdd(width, SaturatingAdd(d / 2, hint->width));
    const int height = (itemHeight > 0 && itemHeight >= d) ? itemHeight : d;
    return {width, height};
}

MenuRowSize MeasureLabelRow(std::string_view label, int itemHeight,
                            const std::function<TextExtent(std::string_view)>& extent,
                            const LeadByteTable& lead)
{
    return Measure(SplitLabelAtTabs(label, lead), itemHeight, extent);
}

MenuRowSize MeasureLabelRow(std::wstring_view label, int itemHeight,
                            const std::function<TextExtent(std::wstring_view)>& extent)
{
    return Measure(SplitLabelAtTabs(label), itemHeight, extent);
}

}  // namespace quorbel
