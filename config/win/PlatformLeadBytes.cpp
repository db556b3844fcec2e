#include <windows.h>

#include "config/MultiByteText.h"

namespace quorbel {

// The system code page does not change while the program runs, so its lead bytes are
// asked once.
const LeadByteTable& PlatformLeadBytes()
{
    static const LeadByteTable table = LeadByteTable::FromPredicate(
        [](unsigned char b) { return IsDBCSLeadByteEx(CP_ACP, b) != FALSE; });
    return table;
}

}  // namespace quorbel
