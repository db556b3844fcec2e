#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

namespace quorbel {

// How GetPrivateProfileString fills the caller's buffer, so that our store answers with
// the same bytes and, above all, the same lengths: callers decide from the length alone
// whether a value or a list was cut (IniSection::ReadString, ListSectionKeys).
//
// Every function needs `size` >= 1 and writes at most `size` bytes.

// A value or a default: a value in matching quotes ("..." or '...') loses them; a value
// longer than `size` - 1 bytes is cut to that length. Returns the bytes stored before
// the terminating zero.
std::uint32_t CopyProfileValue(std::string_view value, char* buffer, std::uint32_t size);

// Key names, each ended by a zero byte, the list by one more. A list that does not fit
// is cut, its last name too, and `size` - 2 is returned.
std::uint32_t CopyProfileKeyList(const std::vector<std::string_view>& names, char* buffer,
                                 std::uint32_t size);

// Section names, as CopyProfileKeyList; a name that only just fits already counts as cut.
std::uint32_t CopyProfileSectionList(const std::vector<std::string_view>& names, char* buffer,
                                     std::uint32_t size);

// The caller's default as the platform uses it: trailing spaces dropped, but never the
// first character.
std::string_view TrimProfileDefault(std::string_view fallback);

}  // namespace quorbel
