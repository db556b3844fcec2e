#include "menus/MenuItemRegistry.h"

#include <gtest/gtest.h>

namespace quorbel {
namespace {

TEST(MenuItemRegistry, StoresCopiesAndTheLastStoreWins)
{
    MenuItemRegistry registry;
    FolderMenuItem builder{120, 30, "first", 255, 16711680, true};
    registry.Store(3, builder);
    builder.text = "second";
    builder.bold = false;
    EXPECT_TRUE(registry.Lookup(3, builder));  // the builder's later change did not reach it
    EXPECT_EQ(builder.text, "first");
    EXPECT_EQ(builder.fontSize, 120);
    EXPECT_EQ(builder.itemHeight, 30);
    EXPECT_EQ(builder.textColour, 255);
    EXPECT_EQ(builder.backgroundColour, 16711680);
    EXPECT_TRUE(builder.bold);

    registry.Store(3, FolderMenuItem{});
    EXPECT_TRUE(registry.Lookup(3, builder));
    EXPECT_EQ(builder.text, "");
}

TEST(MenuItemRegistry, MissesLeaveTheItemUntouchedAndClearForgetsAll)
{
    MenuItemRegistry& registry = MenuItems();
    EXPECT_EQ(&registry, &MenuItems());
    for (int id : {1, 2, 1000})
        registry.Store(id, FolderMenuItem{});
    registry.Clear();

    FolderMenuItem mine{77, 5, "mine", 1, 2, true};
    for (int id : {0, 1, 2, 1000})
        EXPECT_FALSE(registry.Lookup(id, mine)) << id;
    EXPECT_EQ(mine.text, "mine");
    EXPECT_EQ(mine.fontSize, 77);
}

}  // namespace
}  // namespace quorbel
