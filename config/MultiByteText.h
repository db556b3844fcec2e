#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace quorbel {

// Which bytes open a double-byte character in a multibyte code page. Every search for a
// separator in INI data steps over double-byte characters with this, because in code
// page 932 the second byte of a character can be 0x5C ("\") or 0x7C ("|").
class LeadByteTable {
public:
    // No lead bytes: every byte is a character of its own.
    static LeadByteTable SingleByte();

    // The lead bytes of the double-byte code pages 932, 936, 949 and 950; any other
    // code page is taken as single-byte.
    static LeadByteTable ForCodePage(unsigned codePage);

    template <class IsLead>
    static LeadByteTable FromPredicate(IsLead isLead)
    {
        LeadByteTable table;
        for (unsigned b = 0; b < 256; ++b)
            table.lead_[b] = isLead(static_cast<unsigned char>(b));
        return table;
    }

    bool IsLead(unsigned char byte) const { return lead_[byte]; }

private:
    std::array<bool, 256> lead_{};
};

// The lead bytes of the code page the program's text is in (the system code page on
// Windows; single-byte natively unless a test chooses another).
const LeadByteTable& ActiveLeadBytes();

// Tests: makes `table` the active one; null restores the default.
void SetActiveLeadBytes(const LeadByteTable* table);

// Position of the first or last character `c` (an ASCII character), never a trail byte;
// std::string_view::npos when there is none.
std::size_t FindFirstChar(std::string_view text, char c,
                          const LeadByteTable& lead = ActiveLeadBytes());
std::size_t FindLastChar(std::string_view text, char c,
                         const LeadByteTable& lead = ActiveLeadBytes());

// The text before the first `c` (empty when there is none) and after the first or last
// `c` (the whole text when there is none).
std::string TextBeforeFirst(std::string_view text, char c,
                            const LeadByteTable& lead = ActiveLeadBytes());
std::string TextAfterFirst(std::string_view text, char c,
                           const LeadByteTable& lead = ActiveLeadBytes());
std::string TextAfterLast(std::string_view text, char c,
                          const LeadByteTable& lead = ActiveLeadBytes());

// True when `text` holds the character `c` (never counting a trail byte).
inline bool ContainsChar(std::string_view text, char c,
                         const LeadByteTable& lead = ActiveLeadBytes())
{
    return FindFirstChar(text, c, lead) != std::string_view::npos;
}

}  // namespace quorbel
