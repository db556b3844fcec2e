#include "config/MultiByteText.h"

namespace quorbel {

namespace {

struct ByteRange {
    unsigned char first;
    unsigned char last;
};

template <std::size_t N>
LeadByteTable FromRanges(const ByteRange (&ranges)[N])
{
    return LeadByteTable::FromPredicate([&](unsigned char b) {
        for (const ByteRange& r : ranges)
            if (b >= r.first && b <= r.last)
                return true;
        return false;
    });
}

const LeadByteTable* g_override = nullptr;

}  // namespace

LeadByteTable LeadByteTable::SingleByte()
{
    return LeadByteTable{};
}

LeadByteTable LeadByteTable::ForCodePage(unsigned codePage)
{
    static const ByteRange shiftJis[] = {{0x81, 0x9F}, {0xE0, 0xFC}};
    static const ByteRange gbk[] = {{0x81, 0xFE}};
    static const ByteRange unifiedHangul[] = {{0x81, 0xFE}};
    static const ByteRange big5[] = {{0x81, 0xFE}};
    switch (codePage) {
    case 932: return FromRanges(shiftJis);
    case 936: return FromRanges(gbk);
    case 949: return FromRanges(unifiedHangul);
    case 950: return FromRanges(big5);
    default: return SingleByte();
    }
}

const LeadByteTable& PlatformLeadBytes();

const LeadByteTable& ActiveLeadBytes()
{
    return g_override ? *g_override : PlatformLeadBytes();
}

void SetActiveLeadBytes(const LeadByteTable* table)
{
    g_override = table;
}

std::size_t FindFirstChar(std::string_view text, char c, const LeadByteTable& lead)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (text[i] == c)
            return i;
        if (lead.IsLead(byte))
            ++i;  // the trail byte is part of this character, whatever its value
    }
    return std::string_view::npos;
}

std::size_t FindLastChar(std::string_view text, char c, const LeadByteTable& lead)
{
    // Trail bytes can only be told apart by scanning from the start.
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (text[i] == c)
            found = i;
        else if (lead.IsLead(byte))
            ++i;
    }
    return found;
}

std::string TextBeforeFirst(std::string_view text, char c, const LeadByteTable& lead)
{
    const std::size_t at = FindFirstChar(text, c, lead);
    return at == std::string_view::npos ? std::string() : std::string(text.substr(0, at));
}

std::string TextAfterFirst(std::string_view text, char c, const LeadByteTable& lead)
{
    const std::size_t at = FindFirstChar(text, c, lead);
    return std::string(at == std::string_view::npos ? text : text.substr(at + 1));
}

std::string TextAfterLast(std::string_view text, char c, const LeadByteTable& lead)
{
    const std::size_t at = FindLastChar(text, c, lead);
    return std::string(at == std::string_view::npos ? text : text.substr(at + 1));
}

}  // namespace quorbel
