#include "tests/e2e/support/Screenshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "framework/Handles.h"
#include "tests/e2e/support/E2eArguments.h"

namespace quorbel::e2e {

namespace {

// 32 bits a pixel; a negative height makes the rows run top-down.
BITMAPINFOHEADER TopDownHeader(int width, int height)
{
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = -height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    return header;
}

}  // namespace

Screenshot Screenshot::OfScreen()
{
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return Of(RECT{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)});
}

Screenshot Screenshot::OfWindow(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return Of(r);
}

Screenshot Screenshot::Of(const RECT& area)
{
    Screenshot shot;
    shot.area_ = area;
    shot.width_ = std::max(0L, area.right - area.left);
    shot.height_ = std::max(0L, area.bottom - area.top);
    if (shot.width_ == 0 || shot.height_ == 0)
        return shot;
    fw::WindowDC screen(nullptr);
    fw::MemoryDC memory(CreateCompatibleDC(screen.get()));
    BITMAPINFO info{};
    info.bmiHeader = TopDownHeader(shot.width_, shot.height_);
    void* bits = nullptr;
    fw::Bitmap section(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !section || !bits)
        return shot;
    {
        fw::SelectGuard select(memory.get(), section.get());
        BitBlt(memory.get(), 0, 0, shot.width_, shot.height_, screen.get(), area.left, area.top, SRCCOPY | CAPTUREBLT);
        GdiFlush();
    }
    const auto* first = static_cast<const std::uint32_t*>(bits);
    shot.pixels_.assign(first, first + static_cast<std::size_t>(shot.width_) * shot.height_);
    return shot;
}

COLORREF Screenshot::PixelAt(POINT screen) const
{
    if (pixels_.empty() || !PtInRect(&area_, screen))
        return CLR_INVALID;
    const std::uint32_t p = pixels_[static_cast<std::size_t>(screen.y - area_.top) * width_ + (screen.x - area_.left)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int Screenshot::Count(const RECT& r, COLORREF colour) const
{
    int count = 0;
    for (LONG y = r.top; y < r.bottom; ++y)
        for (LONG x = r.left; x < r.right; ++x)
            count += PixelAt(POINT{x, y}) == colour;
    return count;
}

std::string Screenshot::SaveUnder(const std::string& folder, const std::string& name) const
{
    const std::string& root = Arguments().screenshots;
    if (root.empty() || pixels_.empty())
        return std::string();
    const std::filesystem::path directory = std::filesystem::path(root) / folder;
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    const std::string path = (directory / (name + ".bmp")).string();

    const BITMAPINFOHEADER info = TopDownHeader(width_, height_);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels_.size() * 4);
    // The fourth byte opaque: some readers take it for alpha.
    std::vector<std::uint32_t> opaque(pixels_);
    for (std::uint32_t& pixel : opaque)
        pixel |= 0xFF000000u;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(reinterpret_cast<const char*>(opaque.data()), static_cast<std::streamsize>(opaque.size() * 4));
    return out ? path : std::string();
}

std::string CurrentTestFolderName()
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "no-test";
    for (char& c : name)
        if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            c = '_';
    return name;
}

}  // namespace quorbel::e2e
