// Fuzzes the separator searches and the comparison of names over multibyte text against
// a plain reference: split the text into characters first, then look at those.
#include <string>

#include "config/IniName.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quorbel;
    using namespace quorbel::fuzz;
    constexpr std::size_t npos = std::string_view::npos;
    SplitInput input = Split(data, size);
    const std::string_view text = input.text;
    const LeadByteTable lead = ChooseLeadBytes(input.steering.Next());
    static const char separators[] = {'\\', '|', ',', ']', '='};
    const char separator = separators[input.steering.Next() % 5];

    std::size_t first = npos;
    std::size_t last = npos;
    // Names compare equal to their ASCII case flips, character by character; a
    // double-byte character never matches another one (here: its trail byte flipped).
    std::string flipped(text);
    bool anyWideChanged = false;
    for (std::string_view c : Characters(text, lead)) {
        const auto at = static_cast<std::size_t>(c.data() - text.data());
        if (c.size() == 1 && c[0] == separator)
            last = first == npos ? first = at : at;
        if (c.size() == 2) {
            flipped[at + 1] = static_cast<char>(flipped[at + 1] ^ 0x20);
            anyWideChanged = true;
        } else if (std::isalpha(static_cast<unsigned char>(c[0])) && static_cast<unsigned char>(c[0]) < 0x80) {
            flipped[at] = static_cast<char>(flipped[at] ^ 0x20);
        }
    }
    Require(FindFirstChar(text, separator, lead) == first);
    Require(FindLastChar(text, separator, lead) == last);
    Require(ContainsChar(text, separator, lead) == (first != npos));

    const std::string before = TextBeforeFirst(text, separator, lead);
    const std::string afterFirst = TextAfterFirst(text, separator, lead);
    const std::string afterLast = TextAfterLast(text, separator, lead);
    if (first == npos) {
        Require(before.empty() && afterFirst == text && afterLast == text);
    } else {
        Require(before + separator + afterFirst == text);
        Require(afterLast == text.substr(last + 1));
    }
    Require(SameIniName(text, text, lead));
    Require(SameIniName(text, flipped, lead) == !anyWideChanged);
    Require(SameIniName(flipped, text, lead) == !anyWideChanged);
    return 0;
}
