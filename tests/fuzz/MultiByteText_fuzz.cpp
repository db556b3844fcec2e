// Fuzzes the separator searches over multibyte text against a plain reference: split the
// text into characters first, then look for the separator among the single-byte ones.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "config/IniName.h"
#include "config/MultiByteText.h"
#include "tests/fuzz/FuzzInput.h"

namespace quorbel::fuzz {
namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// Where each character starts; a lead byte at the very end stands alone.
std::vector<std::size_t> CharacterStarts(std::string_view text, const LeadByteTable& lead)
{
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        starts.push_back(i);
        if (lead.IsLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size())
            ++i;
    }
    return starts;
}

void Check(std::string_view text, char separator, const LeadByteTable& lead)
{
    std::size_t first = std::string_view::npos;
    std::size_t last = std::string_view::npos;
    for (std::size_t start : CharacterStarts(text, lead)) {
        if (text[start] != separator)
            continue;
        if (first == std::string_view::npos)
            first = start;
        last = start;
    }
    Require(FindFirstChar(text, separator, lead) == first);
    Require(FindLastChar(text, separator, lead) == last);
    Require(ContainsChar(text, separator, lead) == (first != std::string_view::npos));

    const std::string before = TextBeforeFirst(text, separator, lead);
    const std::string afterFirst = TextAfterFirst(text, separator, lead);
    const std::string afterLast = TextAfterLast(text, separator, lead);
    if (first == std::string_view::npos) {
        Require(before.empty() && afterFirst == text && afterLast == text);
    } else {
        Require(before + separator + afterFirst == text);
        Require(text.substr(text.size() - afterLast.size()) == afterLast);
        Require(afterLast.size() == text.size() - last - 1);
    }

    // Names compare equal to themselves and to their ASCII case flips, character by
    // character; a double-byte character never matches another one.
    Require(SameIniName(text, text, lead));
    std::string flipped(text);
    bool anyWideChanged = false;
    for (std::size_t start : CharacterStarts(text, lead)) {
        const bool wide = lead.IsLead(static_cast<unsigned char>(text[start])) && start + 1 < text.size();
        char& c = flipped[start];
        if (wide) {
            flipped[start + 1] = static_cast<char>(flipped[start + 1] ^ 0x20);
            anyWideChanged = true;
        } else if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    Require(SameIniName(text, flipped, lead) == !anyWideChanged);
    Require(SameIniName(flipped, text, lead) == !anyWideChanged);
}

}  // namespace
}  // namespace quorbel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quorbel::fuzz;
    SplitInput input = Split(data, size);
    const quorbel::LeadByteTable lead = ChooseLeadBytes(input.steering.Next());
    static const char separators[] = {'\\', '|', ',', ']', '='};
    Check(input.text, separators[input.steering.Next() % 5], lead);
    return 0;
}
