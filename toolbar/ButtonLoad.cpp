#include "toolbar/ButtonLoad.h"

#include <algorithm>
#include <set>

#include "config/ConfigNames.h"
#include "config/IniPath.h"
#include "config/IniSection.h"
#include "config/SectionOps.h"
#include "config/SubmenuKey.h"
#include "toolbar/Submenu.h"

namespace quorbel {

int ButtonCountFromSize(int size)
{
    // A negative count means the same as none: the hint button.
    return std::clamp(size, 0, kMaxButtons);
}

namespace {

// The button sections that stand in the file. Numbered names are plain decimal
// digits, so they compare exactly.
std::set<std::string> ExistingSections(const std::string& path)
{
    std::vector<std::string> names;
    ListSectionNames(path, names);
    return std::set<std::string>(names.begin(), names.end());
}

}  // namespace

ButtonLoad LoadButtonModel(const std::function<void()>& reportInvalid)
{
    ButtonLoad load;
    const std::string path = IniPath(kMainIniFile);
    int count = ButtonCountFromSize(IniSection(kMainSection, path).ReadInt(key::kSize, 0));

    // A count larger than the sections that stand in the file (typed by hand) must
    // neither fill the file with empty sections nor bury the user in messages: trailing
    // sections that do not exist at all make no buttons.
    const std::set<std::string> existing = ExistingSections(path);
    while (count > 0 && !existing.count(std::to_string(count - 1)))
        --count;
    if (count == 0) {
        load.hint = true;
        return load;
    }

    load.faces.resize(static_cast<std::size_t>(count));
    load.records.reserve(static_cast<std::size_t>(count));
    IniSection section(std::string(), path);
    for (int n = 0; n < count; ++n) {
        section.SetName(std::to_string(n));
        FolderButton record;
        record.command = section.ReadInt(key::kCommand, 0);
        record.caption = section.ReadString(key::kButtonText);
        record.folderPath = section.ReadString(key::kFolderPath);
        record.submenuKey = section.ReadString(key::kSubmenuKey);
        if (record.submenuKey.empty() && existing.count(section.Name())) {
            record.submenuKey = MakeSubmenuKey();
            section.WriteString(key::kSubmenuKey, record.submenuKey);
        }

        if (record.command == 0 && record.folderPath.empty()) {
            if (reportInvalid)
                reportInvalid();
            record.valid = false;
            load.records.push_back(std::move(record));
            continue;
        }

        ButtonFace& face = load.faces[static_cast<std::size_t>(n)];
        face.blank = false;
        face.caption = record.caption;
        face.commandId = kFirstButtonCommand + n;
        face.image = HasSubmenuEntries(record.submenuKey) ? kImageWithEntries : kImageNoEntries;
        load.records.push_back(std::move(record));
    }
    return load;
}

}  // namespace quorbel
