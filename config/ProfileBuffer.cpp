#include "config/ProfileBuffer.h"

#include <algorithm>
#include <cstring>

namespace quorbel {

namespace {

// As lstrcpyn: at most `size` - 1 bytes and a zero. Returns the bytes copied.
std::uint32_t CopyCut(std::string_view text, char* buffer, std::uint32_t size)
{
    const auto length = static_cast<std::uint32_t>(std::min<std::size_t>(text.size(), size - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return length;
}

}  // namespace

std::uint32_t CopyProfileValue(std::string_view value, char* buffer, std::uint32_t size)
{
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    if (!quoted)
        return CopyCut(value, buffer, size);

    // The opening quote is skipped; the closing one is dropped from what was copied when
    // the buffer was long enough to reach it (or one byte short of it: the platform
    // compares the buffer size with the length including the quote).
    const std::string_view inner = value.substr(1);
    std::uint32_t length = CopyCut(inner, buffer, size);
    if (size >= inner.size() && length > 0)
        buffer[--length] = '\0';
    return length;
}

std::uint32_t CopyProfileKeyList(const std::vector<std::string_view>& names, char* buffer,
                                 std::uint32_t size)
{
    // The platform writes a zero in front of a one-byte buffer here; we do not follow it.
    if (size < 2) {
        buffer[0] = '\0';
        return 0;
    }
    std::uint32_t left = size;
    char* out = buffer;
    for (std::string_view name : names) {
        if (left <= 2)
            break;
        const std::uint32_t copied = CopyCut(name, out, left - 1);
        left -= copied + 1;
        out += copied + 1;
        if (left < 2)
            break;
    }
    *out = '\0';
    if (left <= 1) {
        out[-1] = '\0';
        return size - 2;
    }
    return size - left;
}

std::uint32_t CopyProfileSectionList(const std::vector<std::string_view>& names, char* buffer,
                                     std::uint32_t size)
{
    if (size == 1) {
        buffer[0] = '\0';
        return 0;
    }
    std::uint32_t left = size - 1;
    char* out = buffer;
    for (std::string_view name : names) {
        const auto needed = static_cast<std::uint32_t>(std::min<std::size_t>(name.size() + 1, UINT32_MAX));
        if (needed >= left) {
            std::memcpy(out, name.data(), left - 1);
            out += left - 1;
            *out++ = '\0';
            *out = '\0';
            return size - 2;
        }
        std::memcpy(out, name.data(), name.size());
        out[name.size()] = '\0';
        out += needed;
        left -= needed;
    }
    *out = '\0';
    return static_cast<std::uint32_t>(out - buffer);
}

std::string_view TrimProfileDefault(std::string_view fallback)
{
    std::size_t length = fallback.size();
    while (length > 1 && fallback[length - 1] == ' ')
        --length;
    return fallback.substr(0, length);
}

}  // namespace quorbel
