#include "toolbar/Submenu.h"

#include "config/ConfigNames.h"
#include "config/IniPath.h"
#include "config/IniSection.h"
#include "config/SectionOps.h"

namespace quorbel {

namespace {

IniSection EntrySection(const std::string& submenuKey)
{
    return IniSection(submenuKey, IniPath(kSubmenuIniFile));
}

}  // namespace

SubmenuEntries ReadSubmenu(const std::vector<std::string>& keys,
                           const std::function<std::string(const std::string&)>& readEntry,
                           const std::function<std::string(const std::string&)>& readDecoration)
{
    SubmenuEntries entries;
    for (const std::string& key : keys) {
        std::string text = readEntry(key);
        if (text.empty())
            continue;
        entries.decorations.push_back(readDecoration(key));
        entries.texts.push_back(std::move(text));
        entries.keys.push_back(key);
    }
    return entries;
}

SubmenuEntries LoadSubmenu(const std::string& submenuKey)
{
    const IniSection section = EntrySection(submenuKey);
    const IniSection decorations(submenuKey + kDecorationSuffix, section.Path());
    std::vector<std::string> keys;
    ListSectionKeys(section.Name(), section.Path(), keys);
    return ReadSubmenu(
        keys, [&](const std::string& key) { return section.ReadString(key.c_str()); },
        [&](const std::string& key) { return decorations.ReadString(key.c_str()); });
}

bool HasSubmenuEntries(const std::string& submenuKey)
{
    const IniSection section = EntrySection(submenuKey);
    std::vector<std::string> keys;
    ListSectionKeys(section.Name(), section.Path(), keys);
    for (const std::string& key : keys)
        if (!section.ReadString(key.c_str()).empty())
            return true;
    return false;
}

void ClearSubmenuEntry(const std::string& submenuKey, const std::string& entryKey)
{
    EntrySection(submenuKey).WriteString(entryKey.c_str(), "");
}

std::optional<std::string> FirstFreeEntryKey(const std::string& submenuKey)
{
    // Without a SubmenuKey the entry would land in a section no button names.
    if (submenuKey.empty())
        return std::nullopt;
    const IniSection entries = EntrySection(submenuKey);
    for (int k = 0; k < kSubmenuSlots; ++k) {
        std::string key = std::to_string(k);
        if (entries.ReadString(key.c_str()).empty())
            return key;
    }
    return std::nullopt;
}

}  // namespace quorbel
