#include "config/ChangeWatch.h"

namespace quorbel {

// The native build runs tests and tools, nothing resident: every read checks its file's
// stamp.
ChangeWatch* PlatformChangeWatch()
{
    return nullptr;
}

}  // namespace quorbel
