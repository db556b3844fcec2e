#include "toolbar/ButtonInsertion.h"

#include <algorithm>
#include <set>

#include "config/ConfigNames.h"
#include "config/IniPath.h"
#include "config/IniSection.h"
#include "config/SubmenuKey.h"
#include "menus/EntryText.h"
#include "toolbar/ButtonSections.h"

namespace quorbel {

namespace {

// Section and key names compare without regard to letter case, as the profile service
// compares them.
bool SameName(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
        return lower(x) == lower(y);
    });
}

template <typename Names>
bool Contains(const Names& names, const std::string& name)
{
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& n) { return SameName(n, name); });
}

}  // namespace

std::optional<ButtonInsertion> ButtonInsertion::Insert(int position, const std::string& folderPath)
{
    const std::string path = IniPath(kMainIniFile);
    const std::set<std::string> names = MainSectionNames();
    const int count = ButtonCount(names);

    // Everything that moves is read, whole, before anything is written: the same
    // readings move the buttons now and put them back on TakeBack.
    ButtonInsertion insertion;
    insertion.position_ = std::clamp(position, 0, count);
    insertion.mainExisted_ = Contains(names, kMainSection);
    for (int n = insertion.position_; n <= count; ++n) {
        SavedSection saved;
        saved.name = std::to_string(n);
        saved.existed = Contains(names, saved.name);
        std::optional<IniEntries> entries = ReadSectionEntries(saved.name, path);
        if (!entries)
            return std::nullopt;
        saved.entries = std::move(*entries);
        insertion.sections_.push_back(std::move(saved));
    }
    std::vector<std::string> mainKeys;
    ListSectionKeys(kMainSection, path, mainKeys);
    insertion.sizeExisted_ = Contains(mainKeys, key::kSize);
    std::optional<std::string> sizeText = ReadWholeValue(kMainSection, key::kSize, path);
    if (!sizeText)
        return std::nullopt;
    insertion.sizeText_ = std::move(*sizeText);

    // Section n moves to n + 1 as an exact copy, in one write and in place, so a folder
    // button never picks up a stale `iCommand` that the destination held.
    for (int n = count - 1; n >= insertion.position_; --n)
        ReplaceSection(std::to_string(n + 1), insertion.sections_[n - insertion.position_].entries, path);

    // Written in place and whole, so the section holds only the new button and keeps its
    // place in the file (which is what lets TakeBack restore the file exactly).
    const IniEntries button = {
        {key::kFolderPath, folderPath},
        {key::kButtonText, FolderName(folderPath)},
        {key::kSubmenuKey, MakeSubmenuKey()},
    };
    ReplaceSection(std::to_string(insertion.position_), button, path);
    IniSection(kMainSection, path).WriteInt(key::kSize, count + 1);
    return insertion;
}

void ButtonInsertion::TakeBack() const
{
    const std::string path = IniPath(kMainIniFile);
    for (const SavedSection& saved : sections_) {
        if (saved.existed)
            ReplaceSection(saved.name, saved.entries, path);
        else
            IniSection(saved.name, path).Remove();
    }
    const IniSection main(kMainSection, path);
    if (sizeExisted_)
        main.WriteString(key::kSize, sizeText_);
    else if (mainExisted_)
        main.RemoveKey(key::kSize);
    else
        main.Remove();
}

}  // namespace quorbel
