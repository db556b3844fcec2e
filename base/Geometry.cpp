#include "base/Geometry.h"

#include <limits>

namespace quorbel {

int Saturate(std::int64_t value)
{
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

int SaturatingAdd(int a, int b)
{
    return Saturate(static_cast<std::int64_t>(a) + b);
}

int SaturatingSubtract(int a, int b)
{
    return Saturate(static_cast<std::int64_t>(a) - b);
}

}  // namespace quorbel
