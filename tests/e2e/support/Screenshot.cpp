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

bool Screenshot::Contains(POINT screen) const
{
    return !pixels_.empty() && screen.x >= area_.left && screen.x < area_.right &&
           screen.y >= area_.top && screen.y < area_.bottom;
}

COLORREF Screenshot::PixelAt(POINT screen) const
{
    if (!Contains(screen))
        return CLR_INVALID;
    const std::uint32_t p = pixels_[static_cast<std::size_t>(screen.y - area_.top) * width_ +
                                    (screen.x - area_.left)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool Screenshot::SaveBmp(const std::string& path) const
{
    if (pixels_.empty())
        return false;
    // 24 bits and bottom-up rows: the form every reader of .bmp files understands (the
    // fourth byte of 32-bit pixels is taken for transparency by some).
    const BITMAPINFOHEADER info = HeaderFor(width_, height_, 24);
    const std::size_t stride = (static_cast<std::size_t>(width_) * 3 + 3) & ~static_cast<std::size_t>(3);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + stride * height_);

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    std::vector<char> line(stride, '\0');
    for (int row = height_ - 1; row >= 0; --row) {
        const std::uint32_t* pixel = &pixels_[static_cast<std::size_t>(row) * width_];
        for (int x = 0; x < width_; ++x) {
            line[x * 3] = static_cast<char>(pixel[x] & 0xFF);
            line[x * 3 + 1] = static_cast<char>((pixel[x] >> 8) & 0xFF);
            line[x * 3 + 2] = static_cast<char>((pixel[x] >> 16) & 0xFF);
        }
        out.write(line.data(), static_cast<std::streamsize>(stride));
    }
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
        if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
            c == '>' || c == '|')
            c = '_';
    return name;
}

}  // namespace quorbel::e2e
