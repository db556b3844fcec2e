#pragma once
#include <string_view>

#include "config/MultiByteText.h"
#include "menus/FolderMenuItem.h"

namespace quorbel {

// Reads a stored decoration ("%d|%d|%d|%d|%d": bold, size in points, row height,
// background colour, text colour) into the five decoration fields of `item`; the label
// is left alone. An empty text means "no decoration" and changes nothing. Malformed
// fields never fail: they read as the C library would read them.
void ParseMenuDecoration(std::string_view text, FolderMenuItem& item,
                         const LeadByteTable& lead = ActiveLeadBytes());

// The number at the start of `field` the way strtol reads it: leading blanks skipped,
// an optional sign, then digits up to the first non-digit; 0 when there are none.
// Values outside the int range are clamped to it rather than wrapped.
int LeadingDecimal(std::string_view field);

}  // namespace quorbel
