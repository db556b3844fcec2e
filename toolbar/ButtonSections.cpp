#include "toolbar/ButtonSections.h"

#include <algorithm>
#include <vector>

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
    return ButtonCount(MainSectionNames());
}

std::set<std::string> MainSectionNames()
{
    std::vector<std::string> names;
    ListSectionNames(IniPath(kMainIniFile), names);
    return std::set<std::string>(names.begin(), names.end());
}

int ButtonCount(const std::set<std::string>& sectionNames)
{
    // Bounded first: the sections behind the count are looked up one by one. Button
    // sections are named by plain decimal digits, so their names compare exactly.
    int count = std::clamp(MainSection().ReadInt(key::kSize, 0), 0, kMaxButtons);
    while (count > 0 && !sectionNames.count(std::to_string(count - 1)))
        --count;
    return count;
}

std::string ButtonSubmenuKey(int position)
{
    return IniSection(std::to_string(position), IniPath(kMainIniFile))
        .ReadString(key::kSubmenuKey, "");
}

ButtonEdit DeleteButton(int position, const std::string& submenuKey)
{
    const int count = ButtonCount();
    if (position < 0 || position >= count)
        return ButtonEdit::kNoButton;
    // Everything that moves is read before anything is written, so a refusal leaves the
    // files as they were.
    const std::string path = IniPath(kMainIniFile);
    std::vector<IniEntries> moving;
    for (int n = position + 1; n < count; ++n) {
        std::optional<IniEntries> entries = ReadSectionEntries(std::to_string(n), path);
        if (!entries)
            return ButtonEdit::kValueTooLong;
        moving.push_back(std::move(*entries));
    }
    // An empty key names no submenu; removing section "" would hit whatever stands there.
    if (!submenuKey.empty())
        IniSection(submenuKey, IniPath(kSubmenuIniFile)).Remove();
    for (std::size_t i = 0; i < moving.size(); ++i)
        ReplaceSection(std::to_string(position + static_cast<int>(i)), moving[i], path);
    MainSection().WriteInt(key::kSize, count - 1);
    return ButtonEdit::kDone;
}

}  // namespace quorbel
