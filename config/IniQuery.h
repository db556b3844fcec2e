#pragma once
#include <optional>
#include <string_view>
#include <vector>

#include "config/MultiByteText.h"

namespace quorbel {

// Reading INI text as the platform's profile functions read it. The platform is not
// uniform in how it looks a section up: a value read trims blanks off the names asked
// for, a listing of keys does not. We keep both readings, so that a file gives the same
// answers whichever implementation reads it.
class IniQuery {
public:
    IniQuery(std::string_view text, const LeadByteTable& lead) : text_(text), lead_(lead) {}

    // The value of `key` in the first section named `section` (later sections of the
    // same name are not looked at); nothing when the key is absent or has no "=".
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;

    // The key names of the first section named exactly `section`, in file order; lines
    // without "=" and comment lines (";" first) are not keys to list.
    std::vector<std::string_view> KeyNames(std::string_view section) const;

    // The names of all sections in file order, duplicates included; the lines before the
    // first section and sections named "[]" have no name to list.
    std::vector<std::string_view> SectionNames() const;

private:
    std::string_view text_;
    const LeadByteTable& lead_;
};

}  // namespace quorbel
