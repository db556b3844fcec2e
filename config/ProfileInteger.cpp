#include "config/ProfileInteger.h"

namespace quorbel {

namespace {

int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return 99;
}

}  // namespace

std::int32_t ParseProfileInt(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    unsigned base = 10;
    if (i + 1 < text.size() && text[i] == '0') {
        switch (text[i + 1]) {
        case 'x': base = 16; break;
        case 'o': base = 8; break;
        case 'b': base = 2; break;
        default: break;
        }
        if (base != 10)
            i += 2;
    }
    std::uint32_t total = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i]);
        if (digit >= static_cast<int>(base))
            break;
        total = total * base + static_cast<std::uint32_t>(digit);
    }
    if (negative)
        total = 0u - total;
    return static_cast<std::int32_t>(total);
}

}  // namespace quorbel
