#pragma once
#include <string_view>

#include "config/MultiByteText.h"
#include "menus/FolderMenuItem.h"

namespace quorbel {

// Reads a stored decoration ("%d|%d|%d|%d|%d": bold, size in points, row height,
// background colour, text colour) into the five decoration fields of `item`; the label
// is left alone. An empty text means "no decoration" and changes nothing. Malformed
// fields never fail: a field reads as strtol reads it (leading blanks, one sign, digits
// up to the first non-digit, 0 without digits), clamped to the int range rather than
// wrapped, and the size is scaled to tenths without overflow.
void ParseMenuDecoration(std::string_view text, FolderMenuItem& item,
                         const LeadByteTable& lead = ActiveLeadBytes());

}  // namespace quorbel
