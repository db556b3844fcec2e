#include "base/Geometry.h"

#include <limits>

namespace quorbel {

namespace {
int Saturate(std::int64_t value)
{
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}
}  // namespace

int SaturatingAdd(int a, int b)
{
    return Saturate(static_cast<std::int64_t>(a) + b);
}

int SaturatingSubtract(int a, int b)
{
    return Saturate(static_cast<std::int64_t>(a) - b);
}

}  // namespace quorbel
