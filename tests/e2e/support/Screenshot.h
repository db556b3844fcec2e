#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quorbel::e2e {

// A copy of part of the screen taken with GDI (BitBlt from the screen DC), kept as
// 32-bit pixels so that tests can probe colours and save the picture for people to look at.
class Screenshot {
public:
    static Screenshot OfScreen();
    // `area` in screen coordinates.
    static Screenshot Of(const RECT& area);
    static Screenshot OfWindow(HWND window);

    const RECT& Area() const { return area_; }

    // The colour at a point of the screen; CLR_INVALID outside Area().
    COLORREF PixelAt(POINT screen) const;

    // Writes a .bmp file; false when it cannot.
    bool SaveBmp(const std::string& path) const;
    // Saves as <screenshot folder>\<folder>\<name>.bmp (folders made as needed) and
    // returns the path; empty when no screenshot folder was given or saving failed.
    std::string SaveUnder(const std::string& folder, const std::string& name) const;

private:
    RECT area_{};
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;  // top row first, 0x00RRGGBB
};

// The folder of this test's screenshots: "<suite>.<test>", safe as a file name.
std::string CurrentTestFolderName();

}  // namespace quorbel::e2e
