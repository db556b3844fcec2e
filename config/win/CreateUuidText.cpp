#include <windows.h>
#include <rpc.h>

#include "config/SubmenuKey.h"

namespace quorbel {

UuidText CreateUuidText()
{
    UUID uuid;
    // Only a globally unique UUID will do; RPC_S_UUID_LOCAL_ONLY counts as none.
    if (UuidCreate(&uuid) != RPC_S_OK)
        return UuidText{UuidText::Status::Unavailable, {}};

    RPC_CSTR text = nullptr;
    if (UuidToStringA(&uuid, &text) != RPC_S_OK || !text)
        return UuidText{UuidText::Status::ConversionFailed, {}};
    UuidText result{UuidText::Status::Ok, reinterpret_cast<const char*>(text)};
    RpcStringFreeA(&text);
    return result;
}

}  // namespace quorbel
