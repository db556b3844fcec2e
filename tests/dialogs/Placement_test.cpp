#include "dialogs/Placement.h"

#include <gtest/gtest.h>

namespace quorbel {
namespace {

TEST(PlaceBelow, OpensBelowTheAnchorAndIsPulledLeftOnlyAtTheRightEdge)
{
    const struct {
        Rect anchor;
        int width;
        Point at;
    } cases[] = {
        {{100, 50, 180, 70}, 300, {100, 70}},
        {{1700, 50, 1780, 70}, 300, {1609, 70}},     // ends 11 pixels before the edge
        {{1619, 0, 1700, 20}, 300, {1619, 20}},      // x + w = screen − 1 still fits
        {{1620, 0, 1700, 20}, 300, {1609, 20}},
        {{100, 1050, 180, 1079}, 300, {100, 1079}},  // never moved up
        {{0, 0, 10, 10}, 2000, {-91, 10}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlaceBelow(c.anchor, c.width, 1920), c.at) << c.anchor.left;
    // The properties dialog opens over the order dialog's top-left corner.
    EXPECT_EQ(PlaceBelow(AnchorAbove(Rect{100, 200, 400, 500}), 250, 1920), (Point{100, 200}));
}

}  // namespace
}  // namespace quorbel
