#pragma once
#include <cstdint>

namespace quorbel {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
    bool operator!=(const Point& o) const { return !(*this == o); }
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// `value` held to the range of int.
int Saturate(std::int64_t value);

// a + b without overflow: numbers from a hand-edited file may be anywhere in the int
// range, and the window system takes whatever int it is given.
int SaturatingAdd(int a, int b);

// a - b, likewise.
int SaturatingSubtract(int a, int b);

}  // namespace quorbel
