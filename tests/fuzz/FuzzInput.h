#pragma once
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "config/MultiByteText.h"

namespace quorbel::fuzz {

// A broken promise aborts, which the fuzzer reports with the input that broke it.
inline void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// An input is a byte that picks the code page, a byte N, N bytes that steer the run
// (zeros once they are used up, so that any input is a whole run), then the text.
struct FuzzInput {
    FuzzInput(const std::uint8_t* data, std::size_t size) : steering(reinterpret_cast<const char*>(data), size)
    {
        static const unsigned pages[] = {0, 932, 949, 936};
        lead = LeadByteTable::ForCodePage(pages[Next() % 4]);
        const std::size_t steer = Next() % 64;
        text = steering.substr(std::min(steer, steering.size()));
        steering = steering.substr(0, steer);
    }
    std::uint8_t Next()
    {
        const std::string_view next = steering.substr(0, 1);
        steering.remove_prefix(next.size());
        return next.empty() ? 0 : static_cast<std::uint8_t>(next[0]);
    }

    std::string_view steering, text;
    LeadByteTable lead = LeadByteTable::SingleByte();
};

}  // namespace quorbel::fuzz
