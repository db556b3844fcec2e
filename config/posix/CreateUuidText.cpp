#include "config/SubmenuKey.h"

namespace quorbel {

// Natively there is no UUID service: keys are made of letters.
UuidText CreateUuidText()
{
    return UuidText{};
}

}  // namespace quorbel
