#include "dialogs/BarButtonEditor.h"

#include "config/ConfigNames.h"
#include "config/IniPath.h"
#include "config/IniSection.h"

namespace quorbel {

namespace {

IniSection ButtonSection(int position)
{
    return IniSection(std::to_string(position), IniPath(kMainIniFile));
}

}  // namespace

BarButtonFields BarButtonEditor::Read() const
{
    const IniSection section = ButtonSection(position_);
    return {section.ReadString(key::kButtonText, ""), section.ReadString(key::kCommand, ""),
            section.ReadString(key::kFolderPath, "")};
}

void BarButtonEditor::Write(const BarButtonFields& fields) const
{
    const IniSection section = ButtonSection(position_);
    section.WriteString(key::kButtonText, fields.text);
    section.WriteString(key::kCommand, fields.command);
    section.WriteString(key::kFolderPath, fields.folderPath);
}

}  // namespace quorbel
