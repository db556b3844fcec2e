#include "dialogs/win/ColorSwatch.h"

#include <gtest/gtest.h>

#include "framework/Handles.h"

namespace quorbel {
namespace {

struct Canvas {
    Canvas()
    {
        WindowDC screen(nullptr);
        bitmap.reset(CreateCompatibleBitmap(screen.get(), 60, 20));
        select = std::make_unique<fw::SelectGuard>(dc.get(), bitmap.get());
        RECT all{0, 0, 60, 20};
        const fw::Brush white(CreateSolidBrush(RGB(255, 255, 255)));
        FillRect(dc.get(), &all, white.get());
    }
    using WindowDC = fw::WindowDC;
    fw::MemoryDC dc{CreateCompatibleDC(nullptr)};
    fw::Bitmap bitmap;
    std::unique_ptr<fw::SelectGuard> select;

    int CountNonWhite(int left, int top, int right, int bottom) const
    {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                n += GetPixel(dc.get(), x, y) != RGB(255, 255, 255);
        return n;
    }
};

TEST(PaintSwatch, FillsTheWholeAreaWithTheColour)
{
    Canvas canvas;
    const RECT area{0, 0, 60, 20};
    PaintSwatch(canvas.dc.get(), area, true, RGB(12, 200, 99));
    EXPECT_EQ(GetPixel(canvas.dc.get(), 0, 0), RGB(12, 200, 99));
    EXPECT_EQ(GetPixel(canvas.dc.get(), 59, 19), RGB(12, 200, 99));
    EXPECT_EQ(GetPixel(canvas.dc.get(), 30, 10), RGB(12, 200, 99));
}

TEST(PaintSwatch, BlackIsAColourNotNoColour)
{
    Canvas canvas;
    PaintSwatch(canvas.dc.get(), RECT{0, 0, 60, 20}, true, RGB(0, 0, 0));
    EXPECT_EQ(canvas.CountNonWhite(0, 0, 60, 20), 60 * 20);
}

TEST(PaintSwatch, NoColourWritesTheTextFromTheTopLeft)
{
    Canvas canvas;
    PaintSwatch(canvas.dc.get(), RECT{0, 0, 60, 20}, false, RGB(0, 0, 0));
    const int inked = canvas.CountNonWhite(0, 0, 60, 20);
    EXPECT_GT(inked, 10) << "the text is drawn";
    EXPECT_LT(inked, 60 * 20 / 2) << "and nothing is filled";
    EXPECT_GT(canvas.CountNonWhite(0, 0, 30, 10), 0) << "the text starts at the top-left corner";
}

TEST(ColorSwatch, PaintsWhatItsFieldsSay)
{
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    HWND control = CreateWindowExW(0, L"STATIC", L"Static", WS_CHILD | WS_VISIBLE, 10, 10, 60, 20, parent, nullptr,
                                   nullptr, nullptr);
    ShowWindow(parent, SW_SHOWNA);
    ColorSwatch swatch;
    ASSERT_TRUE(swatch.Attach(control));
    EXPECT_FALSE(swatch.hasColour) << "a new swatch has no colour";

    swatch.colour = RGB(250, 10, 10);
    swatch.hasColour = true;
    InvalidateRect(control, nullptr, TRUE);
    UpdateWindow(control);
    fw::WindowDC dc(control);
    EXPECT_EQ(GetPixel(dc.get(), 30, 10), RGB(250, 10, 10));

    swatch.hasColour = false;
    InvalidateRect(control, nullptr, TRUE);
    UpdateWindow(control);
    EXPECT_NE(GetPixel(dc.get(), 30, 15), RGB(250, 10, 10)) << "cleared: the colour is gone";
    DestroyWindow(parent);
}

}  // namespace
}  // namespace quorbel
