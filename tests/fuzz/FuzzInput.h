#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/MultiByteText.h"

namespace quorbel::fuzz {

// The bytes that steer a fuzz run, read one at a time; zeros once they are used up, so
// that every input, however short, is a complete program.
class Steering {
public:
    Steering(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t Next() { return position_ < size_ ? data_[position_++] : 0; }
    bool Done() const { return position_ >= size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// An input of the form: one byte N, N steering bytes, then the text under test. Seeds
// are INI files with a few steering bytes in front.
struct SplitInput {
    Steering steering;
    std::string_view text;
};

inline SplitInput Split(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return {Steering(nullptr, 0), {}};
    const std::size_t steer = std::min<std::size_t>(data[0] % 64, size - 1);
    return {Steering(data + 1, steer),
            std::string_view(reinterpret_cast<const char*>(data) + 1 + steer, size - 1 - steer)};
}

// The code pages worth telling apart: none, and the two whose trail bytes the program
// has to watch.
inline LeadByteTable ChooseLeadBytes(std::uint8_t choice)
{
    static const unsigned pages[] = {0, 932, 949, 936};
    return LeadByteTable::ForCodePage(pages[choice % 4]);
}

}  // namespace quorbel::fuzz
