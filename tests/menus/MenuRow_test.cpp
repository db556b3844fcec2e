#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "menus/MenuRowSize.h"
#include "menus/MenuRowStyle.h"

namespace quorbel {
namespace {

// d = max(text height, 20); width = d/2 + w0 + 24, plus d/2 + w1 for a hint; the item
// height raises the row but never shrinks it below d.
TEST(LabelRowSize, AddsHalfTheRowHeightAndTheIndent)
{
    const struct {
        TextExtent main;
        std::optional<TextExtent> hint;
        int itemHeight, width, height;
    } cases[] = {
        {{50, 13}, std::nullopt, -1, 10 + 50 + 24, 20},
        {{50, 13}, std::nullopt, 40, 84, 40},
        {{50, 13}, std::nullopt, 10, 84, 20},
        {{80, 27}, std::nullopt, 25, 13 + 80 + 24, 27},
        {{50, 13}, TextExtent{30, 13}, -1, 84 + 10 + 30, 20},
        {{1, 13}, std::nullopt, INT_MAX, 35, INT_MAX},
        {{INT_MAX, 13}, TextExtent{INT_MAX, 13}, -1, INT_MAX, 20},
    };
    for (const auto& c : cases) {
        const MenuRowSize size = LabelRowSize(c.main, c.hint, c.itemHeight);
        EXPECT_EQ(size.width, c.width) << c.main.width << " " << c.itemHeight;
        EXPECT_EQ(size.height, c.height) << c.main.width << " " << c.itemHeight;
    }
    EXPECT_EQ(SeparatorRowSize(123).height, 9);
    EXPECT_EQ(SeparatorRowSize(123).width, 123);
}

TEST(MeasureLabelRow, MeasuresTheNameThenTheHintBetweenTheFirstTwoTabs)
{
    const struct {
        const char* label;
        std::vector<std::string> measured;
    } cases[] = {{"Name", {"Name"}}, {"Name\t", {"Name"}}, {"Name\tCtrl+1\trest", {"Name", "Ctrl+1"}}};
    for (const auto& c : cases) {
        std::vector<std::string> measured;
        const MenuRowSize size = MeasureLabelRow(c.label, 25, [&](std::string_view text) {
            measured.emplace_back(text);
            return TextExtent{static_cast<int>(text.size()) * 7, 13};
        });
        EXPECT_EQ(measured, c.measured) << c.label;
        EXPECT_EQ(size.width, 10 + 28 + 24 + (c.measured.size() > 1 ? 10 + 42 : 0)) << c.label;
        EXPECT_EQ(size.height, 25);
    }
    std::vector<std::wstring> wide;
    MeasureLabelRow(L"[순서]\tF2", -1, [&](std::wstring_view text) {
        wide.emplace_back(text);
        return TextExtent{};
    });
    EXPECT_EQ(wide, (std::vector<std::wstring>{L"[순서]", L"F2"}));
}

TEST(MenuRowStyle, FallbacksForUnsetSizeAndColoursAndTheFontHeight)
{
    FolderMenuItem item;
    EXPECT_EQ(MenuFontTenths(item), 90);
    EXPECT_EQ(RowBackground(item), 0xFCFCFCu);
    EXPECT_EQ(RowTextColour(item), 0u);
    item = FolderMenuItem{0, -1, "", 255, 0, false};
    EXPECT_EQ(MenuFontTenths(item), 90);
    EXPECT_EQ(RowBackground(item), 0u) << "black is a colour, not \"unset\"";
    EXPECT_EQ(RowTextColour(item), 255u);
    item.fontSize = 120;
    EXPECT_EQ(MenuFontTenths(item), 120);

    EXPECT_EQ(MenuFontHeight(90, 96), -12);
    EXPECT_EQ(MenuFontHeight(95, 96), -12);
    EXPECT_EQ(MenuFontHeight(90, 120), -15);
    EXPECT_EQ(MenuFontHeight(INT_MAX, INT_MAX), -INT_MAX);
}

}  // namespace
}  // namespace quorbel
