#include "menus/win/MenuFont.h"

#include <gtest/gtest.h>

#include <string>

namespace quorbel {
namespace {

int ScreenDpiY()
{
    fw::WindowDC screen(nullptr);
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

LOGFONTW FieldsOf(const fw::Font& font)
{
    LOGFONTW fields{};
    EXPECT_EQ(GetObjectW(font.get(), sizeof fields, &fields), static_cast<int>(sizeof fields));
    return fields;
}

TEST(CreateMenuFont, PointSizeOnTheScreenInGulimCheAndNothingElseSet)
{
    const int dpi = ScreenDpiY();
    const struct {
        int tenths;
        bool bold;
        LONG weight;
    } cases[] = {{90, false, 0}, {90, true, FW_BOLD}, {200, false, 0}, {125, true, FW_BOLD}};
    for (const auto& c : cases) {
        const fw::Font font = CreateMenuFont(c.tenths, c.bold);
        ASSERT_TRUE(font) << c.tenths;
        const LOGFONTW f = FieldsOf(font);
        EXPECT_EQ(f.lfHeight, -(dpi * c.tenths / 720)) << c.tenths;
        EXPECT_EQ(f.lfWeight, c.weight) << c.tenths;
        EXPECT_EQ(f.lfCharSet, DEFAULT_CHARSET);
        EXPECT_EQ(std::wstring(f.lfFaceName), L"굴림체");
        EXPECT_EQ(f.lfWidth, 0);
        EXPECT_EQ(f.lfEscapement, 0);
        EXPECT_EQ(f.lfOrientation, 0);
        EXPECT_EQ(f.lfItalic | f.lfUnderline | f.lfStrikeOut, 0);
        EXPECT_EQ(f.lfOutPrecision | f.lfClipPrecision | f.lfQuality | f.lfPitchAndFamily, 0);
    }
}

}  // namespace
}  // namespace quorbel
