#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quorbel::e2e {

// Part of the screen copied with BitBlt, for probing colours and for people to look at.
class Screenshot {
public:
    static Screenshot OfScreen();
    static Screenshot Of(const RECT& area);  // screen coordinates
    static Screenshot OfWindow(HWND window);

    const RECT& Area() const { return area_; }
    COLORREF PixelAt(POINT screen) const;             // CLR_INVALID outside Area()
    int Count(const RECT& r, COLORREF colour) const;  // pixels of exactly `colour` inside `r`

    // Saves as <screenshot folder>\<folder>\<name>.bmp and returns the path; empty when no
    // screenshot folder was given or saving failed.
    std::string SaveUnder(const std::string& folder, const std::string& name) const;

private:
    RECT area_{};
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;  // top row first, 0x00RRGGBB
};

// "<suite>.<test>", safe as a file name.
std::string CurrentTestFolderName();

}  // namespace quorbel::e2e
