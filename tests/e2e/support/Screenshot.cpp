#include "tests/e2e/support/Screenshot.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "framework/Handles.h"
#include "tests/e2e/support/E2eArguments.h"

namespace quorbel::e2e {

namespace {

BITMAPINFOHEADER HeaderFor(int width, int height, WORD bitsPerPixel)
{
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = bitsPerPixel;
    header.biCompression = BI_RGB;
    return header;
}

}  // namespace

Screenshot Screenshot::OfScreen()
{
    return Of(RECT{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                   GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                   GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)});
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
    shot.width_ = area.right > area.left ? area.right - area.left : 0;
    shot.height_ = area.bottom > area.top ? area.bottom - area.top : 0;
    if (shot.width_ == 0 || shot.height_ == 0)
        return shot;

    fw::WindowDC screen(nullptr);
    fw::MemoryDC memory(CreateCompatibleDC(screen.get()));
    // A negative height makes a top-down section: row 0 is the top of the picture.
    BITMAPINFO info{};
    info.bmiHeader = HeaderFor(shot.width_, -shot.height_, 32);
    void* bits = nullptr;
    fw::Bitmap section(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !section || !bits)
        return shot;
    {
        fw::SelectGuard select(memory.get(), section.get());
        BitBlt(memory.get(), 0, 0, shot.width_, shot.height_, screen.get(), area.left, area.top,
               SRCCOPY | CAPTUREBLT);
        GdiFlush();
    }
    const auto* first = static_cast<const std::uint32_t*>(bits);
    shot.pixels_.assign(first, first + static_cast<std::size_t>(shot.width_) * shot.height_);
    return shot;
}

COLORREF Screenshot::PixelAt(POINT screen) const
{
    if (pixels_.empty() || screen.x < area_.left || screen.x >= area_.right || screen.y < area_.top ||
        screen.y >= area_.bottom)
        return CLR_INVALID;
    const std::uint32_t p = pixels_[static_cast<std::size_t>(screen.y - area_.top) * width_ + (screen.x - area_.left)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool Screenshot::SaveBmp(const std::string& path) const
{
    if (pixels_.empty())
        return false;
    // Top-down rows of 32 bits, the fourth byte opaque: some readers take it for alpha.
    const BITMAPINFOHEADER info = HeaderFor(width_, -height_, 32);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels_.size() * 4);
    std::vector<std::uint32_t> opaque(pixels_);
    for (std::uint32_t& pixel : opaque)
        pixel |= 0xFF000000u;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(reinterpret_cast<const char*>(opaque.data()), static_cast<std::streamsize>(opaque.size() * 4));
    return static_cast<bool>(out);
}

std::string Screenshot::SaveUnder(const std::string& folder, const std::string& name) const
{
    const std::string& root = Arguments().screenshots;
    if (root.empty())
        return std::string();
    const std::filesystem::path directory = std::filesystem::path(root) / folder;
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    const std::string path = (directory / (name + ".bmp")).string();
    return SaveBmp(path) ? path : std::string();
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
