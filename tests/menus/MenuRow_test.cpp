#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "menus/MenuRowSize.h"
#include "menus/MenuRowStyle.h"

namespace quorbel {
namespace {

// d = max(text height, 20); width = d/2 + w0 + 24, plus d/2 + w1 for a hint between the
// first two tabs; the item height raises the row but never shrinks it below d.
TEST(MeasureLabelRow, AddsHalfTheRowHeightAndTheIndent)
{
    const struct {
        const char* label;
        int textHeight, itemHeight, width, height;
    } cases[] = {
        {"Name", 13, -1, 10 + 28 + 24, 20}, {"Name", 13, 40, 62, 40}, {"Name", 13, 10, 62, 20},
        {"Name", 27, 25, 13 + 28 + 24, 27}, {"Name\tCtrl+1\trest", 13, -1, 62 + 10 + 42, 20},
    };
    for (const auto& c : cases) {
        const MenuRowSize size = MeasureLabelRow(c.label, c.itemHeight, [&](std::string_view text) {
            return TextExtent{static_cast<int>(text.size()) * 7, c.textHeight};
        });
        EXPECT_EQ(std::tie(size.width, size.height), std::tie(c.width, c.height)) << c.label << " " << c.itemHeight;
    }
    EXPECT_EQ(SeparatorRowSize(123).height, 9);
}

// Unset (-1) sizes and colours fall back to the defaults; black (0) is a colour.
TEST(MenuRowStyle, UnsetMeansTheDefaultAndBlackIsAColour)
{
    FolderMenuItem item;
    EXPECT_EQ(std::make_tuple(MenuFontTenths(item), RowBackground(item), RowTextColour(item)),
              std::make_tuple(90, 0xFCFCFCu, 0u));
    item = FolderMenuItem{120, -1, "", 255, 0, false};
    EXPECT_EQ(std::make_tuple(MenuFontTenths(item), RowBackground(item), RowTextColour(item)),
              std::make_tuple(120, 0u, 255u));
    EXPECT_EQ(MenuFontHeight(90, 96), -12);
}

}  // namespace
}  // namespace quorbel
