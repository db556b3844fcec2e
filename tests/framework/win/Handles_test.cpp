#include "framework/Handles.h"

#include <gtest/gtest.h>

#include <utility>

namespace fw {
namespace {

HFONT MakeFont()
{
    return CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
}

TEST(UniqueHandle, ReleasesExactlyOnceAndMovesOwnership)
{
    HFONT raw = MakeFont();
    ASSERT_EQ(GetObjectType(raw), static_cast<DWORD>(OBJ_FONT));
    {
        Font first(raw);
        Font second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.get(), raw);
        Font third;
        third = std::move(second);
        EXPECT_EQ(third.get(), raw);
        EXPECT_EQ(GetObjectType(raw), static_cast<DWORD>(OBJ_FONT));
    }
    EXPECT_EQ(GetObjectType(raw), 0u) << "the owner deleted the font when it went";
}

TEST(UniqueHandle, ResetDeletesTheOldHandleAndReleaseGivesItAway)
{
    HFONT a = MakeFont();
    HFONT b = MakeFont();
    Font font(a);
    font.reset(b);
    EXPECT_EQ(GetObjectType(a), 0u);
    EXPECT_EQ(font.release(), b);
    EXPECT_FALSE(font);
    EXPECT_EQ(GetObjectType(b), static_cast<DWORD>(OBJ_FONT)) << "released, so still alive";
    DeleteObject(b);
}

TEST(SelectGuard, PutsThePreviousObjectBack)
{
    MemoryDC dc(CreateCompatibleDC(nullptr));
    const HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_FONT);
    Font font(MakeFont());
    {
        SelectGuard guard(dc.get(), font.get());
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_FONT), font.get());
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_FONT), original);
}

TEST(TextStyleGuard, RestoresModeAndColour)
{
    MemoryDC dc(CreateCompatibleDC(nullptr));
    SetBkMode(dc.get(), OPAQUE);
    SetTextColor(dc.get(), RGB(1, 2, 3));
    {
        TextStyleGuard guard(dc.get(), TRANSPARENT, RGB(200, 100, 50));
        EXPECT_EQ(GetBkMode(dc.get()), TRANSPARENT);
        EXPECT_EQ(GetTextColor(dc.get()), RGB(200, 100, 50));
    }
    EXPECT_EQ(GetBkMode(dc.get()), OPAQUE);
    EXPECT_EQ(GetTextColor(dc.get()), RGB(1, 2, 3));
}

}  // namespace
}  // namespace fw
