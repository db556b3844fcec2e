#include "toolbar/ButtonLoad.h"

#include <algorithm>

#include "config/ConfigNames.h"
#include "config/IniPath.h"
#include "config/IniSection.h"
#include "config/SubmenuKey.h"
#include "toolbar/Submenu.h"

namespace quorbel {

int ButtonCountFromSize(int size)
{
    // A negative count means the same as none: the hint button.
    return std::clamp(size, 0, kMaxButtons);
}

ButtonLoad LoadButtonModel(const std::function<void()>& reportInvalid)
{
    ButtonLoad load;
    const std::string path = IniPath(kMainIniFile);
    const int count = ButtonCountFromSize(IniSection(kMainSection, path).ReadInt(key::kSize, 0));
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
        if (record.submenuKey.empty()) {
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
        face.image = LoadSubmenu(record.submenuKey).empty() ? kImageNoEntries : kImageWithEntries;
        load.records.push_back(std::move(record));
    }
    return load;
}

}  // namespace quorbel
