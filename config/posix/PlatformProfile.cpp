#include "config/IniFileProfile.h"

namespace quorbel {

// Natively the program's INI files are ours to read and write.
ProfileApi& PlatformProfile()
{
    static IniFileProfile profile;
    return profile;
}

}  // namespace quorbel
