#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "config/MultiByteText.h"

namespace quorbel {

// Changes INI text the way the platform's profile functions change a file, line by line:
// every line a change is not about keeps its bytes (hand-written comments, blank lines,
// blanks, line ends). New lines end like the first line of the file (CR LF in a new one).
// Leading blanks of written names and values are dropped, as the platform drops them.
class IniEditor {
public:
    IniEditor(std::string& text, const LeadByteTable& lead) : text_(text), lead_(lead) {}

    // Replaces the value of `key` in the first section named `section` in place, or adds
    // the key at the end of that section (after its last entry, before trailing blank
    // lines), or adds the section at the end of the text. Names are compared trimmed.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    // Removes the first line of key `key` found in any section named exactly `section`.
    void RemoveKey(std::string_view section, std::string_view key);

    // Removes the first section named exactly `section`, from its header to the next one.
    void RemoveSection(std::string_view section);

    using Entries = std::vector<std::pair<std::string_view, std::string_view>>;

    // Empties every section named exactly `section` of its entries, then writes `entries`
    // into the first one (trimmed comparison) in their order, duplicates and all; with no
    // such section, adds it at the end of the text. With no entries, adds nothing.
    void ReplaceSection(std::string_view section, const Entries& entries);

private:
    // Where a write goes in the first section of a name.
    struct Place {
        std::size_t insertAt = 0;    // after the section's last entry (or its header)
        bool hasKey = false;         // the key is in the section; then its line's:
        bool keyHasValue = false;    //   "=" is there
        std::string_view keyValue;   //   value as read
        std::size_t keyValueAt = 0;  //   where the value is replaced
        std::size_t keyEnd = 0;      //   end of the line before its line end
    };

    bool FindForWrite(std::string_view section, std::string_view key, Place& place) const;
    std::size_t EraseUpTo(std::size_t begin, std::size_t end, std::size_t next) const;
    std::string LineEnd() const;
    void InsertLines(std::size_t at, const std::string& lines);
    void AppendSection(std::string_view section, const std::string& lines);

    std::string& text_;
    const LeadByteTable& lead_;
};

}  // namespace quorbel
