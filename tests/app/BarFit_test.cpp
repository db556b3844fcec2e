#include "app/BarFit.h"

#include <gtest/gtest.h>

namespace quorbel {
namespace {

TEST(FitBarToToolbar, PushesTheToolbarBorderOutOfTheBar)
{
    // A toolbar 30 pixels high as a fixed row whose last button ends at x = 250.
    const BarFit fit = FitBarToToolbar(30, 250);
    EXPECT_EQ(fit.toolbar, (Rect{-7, -5, 249, 32}));  // width R + 6, height cy + 7
    EXPECT_EQ(fit.barWidth, 248);                      // R - 2
    EXPECT_EQ(fit.barHeight, 20);                      // cy - 10
}

TEST(FitBarToToolbar, MoreButtonsWidenTheBarOnly)
{
    const BarFit few = FitBarToToolbar(30, 120);
    const BarFit many = FitBarToToolbar(30, 900);
    EXPECT_EQ(many.barWidth - few.barWidth, 780);
    EXPECT_EQ(many.barHeight, few.barHeight);
    EXPECT_EQ(many.toolbar.left, few.toolbar.left);
    EXPECT_EQ(many.toolbar.top, few.toolbar.top);
}

TEST(FitBarToToolbar, DegenerateSizesGiveNoNegativeBar)
{
    const BarFit fit = FitBarToToolbar(4, 1);
    EXPECT_EQ(fit.barWidth, 0);
    EXPECT_EQ(fit.barHeight, 0);
    const BarFit none = FitBarToToolbar(-3, -9);
    EXPECT_GE(none.toolbar.Width(), 0);
    EXPECT_GE(none.toolbar.Height(), 0);
}

}  // namespace
}  // namespace quorbel
