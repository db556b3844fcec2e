#include "config/MultiByteText.h"

namespace quorbel {

// Natively there is no system code page: text is taken byte by byte unless a test
// chooses a double-byte table.
const LeadByteTable& PlatformLeadBytes()
{
    static const LeadByteTable table = LeadByteTable::SingleByte();
    return table;
}

}  // namespace quorbel
