#include "toolbar/ButtonLoad.h"

#include <set>

#include "config/ConfigNames.h"
#include "config/IniPath.h"
#include "config/IniSection.h"
#include "config/SubmenuKey.h"
#include "toolbar/Submenu.h"

namespace quorbel {

ButtonLoad LoadButtonModel(const std::function<void()>& reportInvalid)
{
    ButtonLoad load;
    const std::string path = IniPath(kMainIniFile);
    // A count larger than the sections that stand in the file (typed by hand) must
    // neither fill the file with empty sections nor bury the user in messages.
    const std::set<std::string> existing = MainSectionNames();
    const int count = ButtonCount(existing);
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
