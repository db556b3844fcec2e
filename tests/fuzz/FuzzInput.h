#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "config/MultiByteText.h"

namespace quorbel::fuzz {

// A broken promise aborts, which the fuzzer reports with the input that broke it.
inline void Require(bool condition)
{
    if (!condition)
        std::abort();
}

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
// are INI files with a few steering bytes in front (SeedsFromCorpus.cpp).
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

// The code pages worth telling apart: none, and those whose trail bytes the program
// has to watch.
inline LeadByteTable ChooseLeadBytes(std::uint8_t choice)
{
    static const unsigned pages[] = {0, 932, 949, 936};
    return LeadByteTable::ForCodePage(pages[choice % 4]);
}

// The reference the searches are held to: the text cut into the characters of the code
// page, one after the other (a lead byte at the very end stands alone).
inline std::vector<std::string_view> Characters(std::string_view text, const LeadByteTable& lead)
{
    std::vector<std::string_view> characters;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool pair = lead.IsLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
        characters.push_back(text.substr(i, pair ? 2 : 1));
        i += pair;
    }
    return characters;
}

}  // namespace quorbel::fuzz
