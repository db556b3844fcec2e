#include "dialogs/FolderEntryEditor.h"

#include "config/ConfigNames.h"
#include "config/IniPath.h"
#include "config/IniSection.h"
#include "config/MultiByteText.h"
#include "menus/EntryText.h"

namespace quorbel {

namespace {

// Absent and empty must be told apart for the decoration key: an absent key asks for the
// default, an empty one means "undecorated". The profile service answers an absent key
// with the default, so "-1" (which no writer stores for a whole decoration) marks absence.
constexpr char kAbsentDecoration[] = "-1";

}  // namespace

FolderEntryFields EntryFields(std::string_view value, std::string_view newPath)
{
    if (value.empty())
        return {FolderName(newPath), std::string(newPath)};
    return {EntryLabel(value), EntryEditPath(value)};
}

bool TitleAccepted(std::string_view title)
{
    return !ContainsChar(title, ',');
}

FolderEntryEditor::FolderEntryEditor(std::string submenuKey, std::string entryKey)
    : submenuKey_(std::move(submenuKey)), entryKey_(std::move(entryKey))
{
}

FolderEntryFields FolderEntryEditor::Read(std::string_view newPath) const
{
    const IniSection entries(submenuKey_, IniPath(kSubmenuIniFile));
    return EntryFields(entries.ReadString(entryKey_.c_str(), ""), newPath);
}

DecorationChoice FolderEntryEditor::OfferedDecoration() const
{
    const IniSection decorations(submenuKey_ + kDecorationSuffix, IniPath(kSubmenuIniFile));
    std::string text = decorations.ReadString(entryKey_.c_str(), kAbsentDecoration);
    if (text == kAbsentDecoration)
        text = IniSection(kMainSection, IniPath(kMainIniFile))
                   .ReadString(key::kDefaultDecoration, "");
    return DecorationChoice::FromText(text);
}

FolderEntryEditor::SaveResult FolderEntryEditor::Save(const FolderEntryEdit& edit) const
{
    if (!TitleAccepted(edit.fields.title))
        return SaveResult::CommaInTitle;

    const std::string submenuPath = IniPath(kSubmenuIniFile);
    const IniSection entries(submenuKey_, submenuPath);
    entries.RemoveKey(entryKey_.c_str());
    entries.WriteString(entryKey_.c_str(), JoinEntry(edit.fields.title, edit.fields.path));

    const std::string decoration = edit.decoration.Stored();
    IniSection(submenuKey_ + kDecorationSuffix, submenuPath)
        .WriteString(entryKey_.c_str(), decoration);
    if (edit.makeDefault)
        IniSection(kMainSection, IniPath(kMainIniFile))
            .WriteString(key::kDefaultDecoration, decoration);
    return SaveResult::Saved;
}

}  // namespace quorbel
