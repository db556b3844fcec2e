#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "menus/MenuRowSize.h"
#include "menus/MenuRowStyle.h"

namespace quorbel {
namespace {

TEST(MenuRowSize, SeparatorIsNinePixelsAndKeepsTheProposedWidth)
{
    const MenuRowSize size = SeparatorRowSize(123);
    EXPECT_EQ(size.width, 123);
    EXPECT_EQ(size.height, 9);
}

struct RowCase {
    const char* name;
    TextExtent main;
    std::optional<TextExtent> hint;
    int itemHeight;
    int width;
    int height;
};

class LabelRowSizeTest : public testing::TestWithParam<RowCase> {};

TEST_P(LabelRowSizeTest, AddsHalfTheRowHeightAndTheIndent)
{
    const RowCase& c = GetParam();
    const MenuRowSize size = LabelRowSize(c.main, c.hint, c.itemHeight);
    EXPECT_EQ(size.width, c.width);
    EXPECT_EQ(size.height, c.height);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LabelRowSizeTest,
    testing::Values(
        // d = max(text height, 20); width = d/2 + w0 + 24 (+ d/2 + w1)
        RowCase{"SmallTextIsTwentyHigh", {50, 13}, std::nullopt, -1, 10 + 50 + 24, 20},
        RowCase{"ItemHeightRaisesTheRow", {50, 13}, std::nullopt, 40, 84, 40},
        RowCase{"ItemHeightNeverShrinksIt", {50, 13}, std::nullopt, 10, 84, 20},
        RowCase{"ZeroItemHeightIsUnset", {50, 13}, std::nullopt, 0, 84, 20},
        RowCase{"TallTextWinsOverItemHeight", {80, 27}, std::nullopt, 25, 13 + 80 + 24, 27},
        RowCase{"ItemHeightEqualToTextIsKept", {80, 27}, std::nullopt, 27, 117, 27},
        RowCase{"OddHeightHalvesDown", {0, 21}, std::nullopt, -1, 10 + 0 + 24, 21},
        RowCase{"HintAddsHalfHeightAndItsWidth", {50, 13}, TextExtent{30, 13}, -1,
                84 + 10 + 30, 20},
        RowCase{"HugeItemHeight", {1, 13}, std::nullopt, INT_MAX, 35, INT_MAX},
        RowCase{"HugeWidthSaturates", {INT_MAX, 13}, TextExtent{INT_MAX, 13}, -1, INT_MAX,
                20}),
    [](const testing::TestParamInfo<RowCase>& info) { return info.param.name; });

struct FakeExtent {
    std::vector<std::string> measured;
    TextExtent operator()(std::string_view text)
    {
        measured.emplace_back(text);
        return {static_cast<int>(text.size()) * 7, 13};
    }
};

TEST(MeasureLabelRow, MeasuresTheNameAndTheHintAfterATab)
{
    FakeExtent extent;
    const MenuRowSize size = MeasureLabelRow(
        "Name\tCtrl+1\trest", 25, [&](std::string_view t) { return extent(t); });
    EXPECT_EQ(extent.measured, (std::vector<std::string>{"Name", "Ctrl+1"}));
    EXPECT_EQ(size.width, 10 + 28 + 24 + 10 + 42);
    EXPECT_EQ(size.height, 25);
}

TEST(MeasureLabelRow, AnEmptyHintIsNotMeasured)
{
    for (const char* label : {"Name", "Name\t", "Name\t\tlate"}) {
        FakeExtent extent;
        const MenuRowSize size =
            MeasureLabelRow(label, -1, [&](std::string_view t) { return extent(t); });
        EXPECT_EQ(extent.measured, (std::vector<std::string>{"Name"})) << label;
        EXPECT_EQ(size.width, 10 + 28 + 24) << label;
    }
}

TEST(MeasureLabelRow, WideLabelsSplitTheSameWay)
{
    std::vector<std::wstring> measured;
    MeasureLabelRow(L"[순서]\tF2", -1, [&](std::wstring_view t) {
        measured.emplace_back(t);
        return TextExtent{10, 12};
    });
    EXPECT_EQ(measured, (std::vector<std::wstring>{L"[순서]", L"F2"}));
}

TEST(MenuRowStyle, FontSizeFallsBackToNinePoints)
{
    for (const auto& [size, tenths] : std::vector<std::pair<int, int>>{
             {120, 120}, {1, 1}, {0, 90}, {-1, 90}, {-50, 90}, {INT_MAX, INT_MAX}}) {
        FolderMenuItem item;
        item.fontSize = size;
        EXPECT_EQ(MenuFontTenths(item), tenths) << size;
    }
}

TEST(MenuRowStyle, FontHeightIsThePointSizeInScreenPixelsNegated)
{
    EXPECT_EQ(MenuFontHeight(90, 96), -12);
    EXPECT_EQ(MenuFontHeight(120, 96), -16);
    EXPECT_EQ(MenuFontHeight(90, 120), -15);
    EXPECT_EQ(MenuFontHeight(95, 96), -12);  // integer division
    EXPECT_EQ(MenuFontHeight(INT_MAX, 96), -(INT_MAX / 720 * 96 + (INT_MAX % 720) * 96 / 720));
    EXPECT_EQ(MenuFontHeight(INT_MAX, INT_MAX), -INT_MAX);
}

TEST(MenuRowStyle, UnsetColoursFallBackButBlackStaysBlack)
{
    FolderMenuItem item;
    EXPECT_EQ(RowBackground(item), 0xFCFCFCu);
    EXPECT_EQ(RowTextColour(item), 0u);
    item.backgroundColour = 0;
    item.textColour = 255;
    EXPECT_EQ(RowBackground(item), 0u);
    EXPECT_EQ(RowTextColour(item), 255u);
    item.backgroundColour = 16711680;
    EXPECT_EQ(RowBackground(item), 16711680u);
}

TEST(MenuRowStyle, RowParts)
{
    const Rect row{10, 20, 200, 40};
    EXPECT_EQ(GutterRect(row), (Rect{10, 20, 31, 40}));
    EXPECT_EQ(LabelRect(row), (Rect{34, 20, 200, 40}));
    EXPECT_EQ(SeparatorLineRect(row), (Rect{33, 23, 200, 24}));
}

}  // namespace
}  // namespace quorbel
