#include "framework/Handles.h"

#include <gtest/gtest.h>

#include <utility>

namespace fw {
namespace {

HFONT MakeFont()
{
    return CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
}

constexpr DWORD kFont = OBJ_FONT;

TEST(UniqueHandle, MovesResetsAndReleasesAndDeletesExactlyOnce)
{
    HFONT a = MakeFont();
    HFONT b = MakeFont();
    {
        Font first(a);
        Font second(std::move(first));
        EXPECT_FALSE(first);
        Font third;
        third = std::move(second);
        EXPECT_EQ(third.get(), a);
        EXPECT_EQ(GetObjectType(a), kFont);
        third.reset(b);
        EXPECT_EQ(GetObjectType(a), 0u) << "reset deletes the old font";
        EXPECT_EQ(third.release(), b);
        EXPECT_FALSE(third);
    }
    EXPECT_EQ(GetObjectType(b), kFont) << "released, so still alive";
    { Font owner(b); }
    EXPECT_EQ(GetObjectType(b), 0u) << "the owner deletes the font when it goes";
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

}  // namespace
}  // namespace fw
