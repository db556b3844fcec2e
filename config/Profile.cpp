#include "config/ProfileApi.h"
#include "config/ProfileCache.h"

namespace quorbel {

namespace {
ProfileApi* g_active = nullptr;
}

ProfileApi& Profile()
{
    return g_active ? *g_active : CachedPlatformProfile();
}

void UseProfile(ProfileApi* api)
{
    g_active = api;
}

}  // namespace quorbel
