#pragma once
#include <string_view>

#include "config/MultiByteText.h"

namespace quorbel {

// The blanks the platform's profile functions trim around names and values: the ASCII
// white space and Ctrl+Z, which old DOS editors left at the end of text files. No trail
// byte of a double-byte code page falls in this set, so trimming bytes is safe.
constexpr bool IsIniBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a';
}

std::string_view TrimIniBlanks(std::string_view text);
std::string_view TrimLeadingIniBlanks(std::string_view text);

// The text up to its first NUL byte: names and values are C strings to the platform,
// so a NUL in the file ends them.
std::string_view UpToNul(std::string_view text);

// Section and key names match without regard to the case of ASCII letters. A double-byte
// character is compared whole, as bytes: its trail byte may look like a letter (CP932
// "\x83\x41" and "\x83\x61" are two different characters).
bool SameIniName(std::string_view a, std::string_view b, const LeadByteTable& lead);

}  // namespace quorbel
