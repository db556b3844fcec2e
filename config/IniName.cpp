#include "config/IniName.h"

namespace quorbel {

namespace {

constexpr char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string_view TrimLeadingIniBlanks(std::string_view text)
{
    std::size_t first = 0;
    while (first < text.size() && IsIniBlank(text[first]))
        ++first;
    return text.substr(first);
}

std::string_view TrimIniBlanks(std::string_view text)
{
    text = TrimLeadingIniBlanks(text);
    std::size_t last = text.size();
    while (last > 0 && IsIniBlank(text[last - 1]))
        --last;
    return text.substr(0, last);
}

std::string_view UpToNul(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

bool SameIniName(std::string_view a, std::string_view b, const LeadByteTable& lead)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lead.IsLead(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
            ++i;
        } else if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace quorbel
