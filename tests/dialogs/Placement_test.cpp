#include "dialogs/Placement.h"

#include <gtest/gtest.h>

namespace quorbel {
namespace {

struct PlaceCase {
    const char* name;
    Rect anchor;
    int width;
    int screenWidth;
    Point at;
};

class PlaceBelowTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceBelowTest, OpensBelowTheAnchor)
{
    const PlaceCase& c = GetParam();
    EXPECT_EQ(PlaceBelow(c.anchor, c.width, c.screenWidth), c.at);
}

INSTANTIATE_TEST_SUITE_P(
    Anchors, PlaceBelowTest,
    testing::Values(
        PlaceCase{"LeftAlignedJustBelow", {100, 50, 180, 70}, 300, 1920, {100, 70}},
        PlaceCase{"PulledLeftNearTheRightEdge", {1700, 50, 1780, 70}, 300, 1920, {1609, 70}},
        PlaceCase{"EndingOnTheLastPixelStays", {1619, 0, 1700, 20}, 300, 1920, {1619, 20}},
        PlaceCase{"OnePixelFurtherIsPulled", {1620, 0, 1700, 20}, 300, 1920, {1609, 20}},
        PlaceCase{"NearTheBottomIsNotMoved", {100, 1050, 180, 1079}, 300, 1920, {100, 1079}},
        PlaceCase{"WiderThanTheScreen", {0, 0, 10, 10}, 2000, 1920, {-91, 10}},
        PlaceCase{"AnchorLeftOfTheScreen", {-50, 0, 10, 10}, 300, 1920, {-50, 10}}),
    [](const testing::TestParamInfo<PlaceCase>& info) { return info.param.name; });

TEST(AnchorAbove, MovesTheRectangleUpByItsHeight)
{
    EXPECT_EQ(AnchorAbove(Rect{100, 200, 400, 500}), (Rect{100, -100, 400, 200}));
    // Placed below that anchor, a dialog opens at the window's top-left corner.
    EXPECT_EQ(PlaceBelow(AnchorAbove(Rect{100, 200, 400, 500}), 250, 1920), (Point{100, 200}));
}

}  // namespace
}  // namespace quorbel
