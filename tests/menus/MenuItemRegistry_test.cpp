#include "menus/MenuItemRegistry.h"

#include <gtest/gtest.h>

namespace quorbel {
namespace {

FolderMenuItem Item(const char* text, int fontSize)
{
    FolderMenuItem item;
    item.text = text;
    item.fontSize = fontSize;
    return item;
}

TEST(MenuItemRegistry, LookupCopiesAllSixFields)
{
    MenuItemRegistry registry;
    FolderMenuItem stored{120, 30, "docs\tF2", 255, 16711680, true};
    registry.Store(3, stored);

    FolderMenuItem found;
    ASSERT_TRUE(registry.Lookup(3, found));
    EXPECT_EQ(found.fontSize, 120);
    EXPECT_EQ(found.itemHeight, 30);
    EXPECT_EQ(found.text, "docs\tF2");
    EXPECT_EQ(found.textColour, 255);
    EXPECT_EQ(found.backgroundColour, 16711680);
    EXPECT_TRUE(found.bold);
}

TEST(MenuItemRegistry, MissingIdLeavesTheOutItemUntouched)
{
    MenuItemRegistry registry;
    registry.Store(1, Item("one", 90));
    FolderMenuItem item = Item("mine", 77);
    EXPECT_FALSE(registry.Lookup(2, item));
    EXPECT_EQ(item.text, "mine");
    EXPECT_EQ(item.fontSize, 77);
}

TEST(MenuItemRegistry, StoringAnIdTwiceKeepsTheSecondRecord)
{
    MenuItemRegistry registry;
    registry.Store(3, Item("first", 90));
    registry.Store(3, Item("second", 120));
    FolderMenuItem item;
    ASSERT_TRUE(registry.Lookup(3, item));
    EXPECT_EQ(item.text, "second");
    EXPECT_EQ(item.fontSize, 120);
}

TEST(MenuItemRegistry, ClearForgetsEveryId)
{
    MenuItemRegistry registry;
    for (int id : {0, 1, 2, 1000})
        registry.Store(id, Item("x", 90));
    registry.Clear();
    FolderMenuItem item;
    for (int id : {0, 1, 2, 1000})
        EXPECT_FALSE(registry.Lookup(id, item)) << id;
    EXPECT_TRUE(registry.Empty());
}

TEST(MenuItemRegistry, HoldsCopiesNotReferences)
{
    MenuItemRegistry registry;
    FolderMenuItem builder = Item("before", 90);
    registry.Store(1, builder);
    builder.text = "after";

    FolderMenuItem out;
    registry.Lookup(1, out);
    out.text = "changed by the painter";

    FolderMenuItem again;
    registry.Lookup(1, again);
    EXPECT_EQ(again.text, "before");
}

TEST(MenuItemRegistry, TheProgramHasOneInstance)
{
    MenuItems().Clear();
    MenuItems().Store(5, Item("shared", 90));
    FolderMenuItem item;
    EXPECT_TRUE(MenuItems().Lookup(5, item));
    EXPECT_EQ(&MenuItems(), &MenuItems());
    MenuItems().Clear();
}

}  // namespace
}  // namespace quorbel
