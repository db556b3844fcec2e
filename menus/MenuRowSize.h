#pragma once
#include <functional>
#include <optional>
#include <string_view>

#include "config/MultiByteText.h"

namespace quorbel {

// A label may hold tabs: the part before the first is drawn at the left, the part
// between the first and the second at the right edge, like a menu accelerator.
template <class Char>
struct LabelParts {
    std::basic_string_view<Char> main;
    std::basic_string_view<Char> hint;  // empty when the label has no tab
};

// Entry labels are data in the system code page (double-byte safe split); the fixed
// labels are wide text.
LabelParts<char> SplitLabelAtTabs(std::string_view label,
                                  const LeadByteTable& lead = ActiveLeadBytes());
LabelParts<wchar_t> SplitLabelAtTabs(std::wstring_view label);

struct TextExtent {
    int width = 0;
    int height = 0;
};

struct MenuRowSize {
    int width = 0;
    int height = 0;
};

// A separator row is 9 pixels high and keeps the width Windows proposed.
MenuRowSize SeparatorRowSize(int proposedWidth);

// A label row from the extents of its parts (`hint` only when the label has one) and
// the record's item height, which can raise the row above its text but never shrink it.
MenuRowSize LabelRowSize(TextExtent main, std::optional<TextExtent> hint, int itemHeight);

// The same, measuring the parts with `extent` (DrawText with DT_CALCRECT in the shell).
MenuRowSize MeasureLabelRow(std::string_view label, int itemHeight,
                            const std::function<TextExtent(std::string_view)>& extent,
                            const LeadByteTable& lead = ActiveLeadBytes());
MenuRowSize MeasureLabelRow(std::wstring_view label, int itemHeight,
                            const std::function<TextExtent(std::wstring_view)>& extent);

}  // namespace quorbel
