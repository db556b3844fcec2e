#pragma once
#include <cstdint>
#include <string_view>

namespace quorbel {

// The number at the start of a value, read as the platform's GetPrivateProfileInt reads
// it: control characters and blanks skipped, one sign, then digits; "0x", "0o" and "0b"
// (lower case only) switch to base 16, 8 or 2. Reading stops at the first byte that is
// no digit of the base, and the number wraps around 32 bits rather than saturating.
// Text that does not begin with a number reads 0.
std::int32_t ParseProfileInt(std::string_view text);

}  // namespace quorbel
