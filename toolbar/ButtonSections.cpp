#include "toolbar/ButtonSections.h"

#include "config/ConfigNames.h"
#include "config/IniPath.h"
#include "config/IniSection.h"
#include "config/SectionOps.h"

namespace quorbel {

namespace {

IniSection MainSection()
{
    return IniSection(kMainSection, IniPath(kMainIniFile));
}

}  // namespace

int ButtonCount()
{
    const int count = MainSection().ReadInt(key::kSize, 0);
    return count < 0 ? 0 : count;
}

std::string ButtonSubmenuKey(int position)
{
    return IniSection(std::to_string(position), IniPath(kMainIniFile))
        .ReadString(key::kSubmenuKey, "");
}

void MoveButtonSection(int from, int to)
{
    const std::string path = IniPath(kMainIniFile);
    ReplaceSection(std::to_string(to), ReadSectionEntries(std::to_string(from), path), path);
}

bool DeleteButton(int position, const std::string& submenuKey)
{
    const int count = ButtonCount();
    if (position < 0 || position >= count)
        return false;
    // An empty key names no submenu; removing section "" would hit whatever stands there.
    if (!submenuKey.empty())
        IniSection(submenuKey, IniPath(kSubmenuIniFile)).Remove();
    for (int n = position + 1; n < count; ++n)
        MoveButtonSection(n, n - 1);
    MainSection().WriteInt(key::kSize, count - 1);
    return true;
}

}  // namespace quorbel
