#pragma once
#include <string>
#include <string_view>

#include "config/MultiByteText.h"

namespace quorbel {

// An entry of a folder menu is stored as label "|" path. The menu and the editing
// dialog read the path differently when a hand edit left more than one "|": the menu
// goes to what follows the last one, the dialog shows everything after the first.
// All searches step over double-byte characters (a CP932 trail byte can be 0x7C).

// The text before the first "|"; empty when there is none.
std::string EntryLabel(std::string_view entry, const LeadByteTable& lead = ActiveLeadBytes());

// The folder the menu sends the host to: after the last "|", the whole text when none.
std::string EntryMenuPath(std::string_view entry, const LeadByteTable& lead = ActiveLeadBytes());

// The path the dialogs edit: after the first "|", the whole text when none.
std::string EntryEditPath(std::string_view entry, const LeadByteTable& lead = ActiveLeadBytes());

// The last part of a folder path, which names a new button or entry: the text after the
// last "\" (the whole path when there is none; empty for a drive root such as C:\).
std::string FolderName(std::string_view path, const LeadByteTable& lead = ActiveLeadBytes());

// A label of exactly "-" makes the row a separator.
inline bool IsSeparatorLabel(std::string_view label)
{
    return label == "-";
}

// The stored form of an entry.
inline std::string JoinEntry(std::string_view title, std::string_view path)
{
    std::string entry(title);
    entry += '|';
    entry += path;
    return entry;
}

}  // namespace quorbel
