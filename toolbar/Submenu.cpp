#include "toolbar/Submenu.h"

#include "config/ConfigNames.h"
#include "config/IniPath.h"
#include "config/IniSection.h"
#include "config/SectionOps.h"

namespace quorbel {

SubmenuEntries LoadSubmenu(const std::string& submenuKey)
{
    SubmenuEntries entries;
    const std::string path = IniPath(kSubmenuIniFile);
    std::vector<std::string> keys;
    ListSectionKeys(submenuKey, path, keys);

    const IniSection section(submenuKey, path);
    const IniSection decorations(submenuKey + kDecorationSuffix, path);
    for (std::string& key : keys) {
        std::string text = section.ReadString(key.c_str());
        if (text.empty())
            continue;
        entries.decorations.push_back(decorations.ReadString(key.c_str()));
        entries.texts.push_back(std::move(text));
        entries.keys.push_back(std::move(key));
    }
    return entries;
}

}  // namespace quorbel
