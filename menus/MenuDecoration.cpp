#include "menus/MenuDecoration.h"

#include <array>
#include <cstdint>
#include <limits>

#include "base/Geometry.h"

namespace quorbel {

namespace {

constexpr int kFieldCount = 5;

bool IsCBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int LeadingDecimal(std::string_view field)
{
    std::size_t i = 0;
    while (i < field.size() && IsCBlank(field[i]))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    // Stop accumulating just past the int range: the clamp below needs no more, and a
    // field of a thousand digits must not overflow the accumulator.
    constexpr std::int64_t kCeiling = std::int64_t{std::numeric_limits<int>::max()} + 1;
    std::int64_t value = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        if (value < kCeiling)
            value = value * 10 + (field[i] - '0');
    }
    return Saturate(negative ? -value : value);
}

// "-1" spelt exactly is the writer's "not set"; anything else is a number, so " -1" or
// "-01" also end up as -1 but through the conversion (which matters only for the size,
// where the number is scaled).
int FieldValue(std::string_view field, int scale)
{
    if (field == "-1")
        return -1;
    return Saturate(static_cast<std::int64_t>(LeadingDecimal(field)) * scale);
}

}  // namespace

void ParseMenuDecoration(std::string_view text, FolderMenuItem& item, const LeadByteTable& lead)
{
    if (text.empty())
        return;

    std::array<std::string_view, kFieldCount> fields{};
    std::string_view rest = text;
    for (int k = 0; k < kFieldCount; ++k) {
        const std::size_t bar = FindFirstChar(rest, '|', lead);
        fields[k] = rest.substr(0, bar);
        if (bar == std::string_view::npos)
            break;  // the fields after this one are missing and stay empty
        rest.remove_prefix(bar + 1);
    }

    item.bold = fields[0] == "1";
    item.fontSize = FieldValue(fields[1], 10);  // stored in points, held in tenths
    item.itemHeight = FieldValue(fields[2], 1);
    item.backgroundColour = FieldValue(fields[3], 1);
    item.textColour = FieldValue(fields[4], 1);
}

}  // namespace quorbel
