#include "config/ProfileApi.h"

namespace quorbel {

namespace {
ProfileApi* g_active = nullptr;
}

ProfileApi& Profile()
{
    return g_active ? *g_active : PlatformProfile();
}

void UseProfile(ProfileApi* api)
{
    g_active = api;
}

}  // namespace quorbel
