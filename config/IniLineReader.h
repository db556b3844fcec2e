#pragma once
#include <cstddef>
#include <string_view>

#include "config/MultiByteText.h"

namespace quorbel {

// One line of an INI file, read the way the platform's profile functions read it.
struct IniLine {
    enum class Kind {
        Blank,    // nothing but blanks: no part of any section
        Section,  // "[name]", anything after the last "]" ignored
        Entry     // anything else: a key with "=" and a value, a key without "=", a comment
    };
    Kind kind = Kind::Blank;
    std::string_view name;   // section or key name, trimmed, ended by a NUL byte if any
    std::string_view value;  // trimmed value, ended by a NUL byte if any (hasValue only)
    bool hasValue = false;   // the entry holds "="
    std::size_t begin = 0;   // first byte of the line
    std::size_t valueAt = 0; // where a new value replaces the old one (see IniEditor)
    std::size_t end = 0;     // one past the last byte before the line end
    std::size_t next = 0;    // first byte of the next line
};

// Splits INI text into lines. A line ends at CR LF, at a lone CR or at a lone LF, so files
// saved with any of the three read alike; a UTF-8 byte-order mark at the start is skipped.
class IniLineReader {
public:
    IniLineReader(std::string_view text, const LeadByteTable& lead);

    // The next line; false at the end of the text.
    bool Next(IniLine& line);

    // Where the lines of `text` begin: after the byte-order mark when there is one.
    static std::size_t BodyStart(std::string_view text);

private:
    void Classify(IniLine& line) const;

    std::string_view text_;
    const LeadByteTable& lead_;
    std::size_t position_;
};

}  // namespace quorbel
