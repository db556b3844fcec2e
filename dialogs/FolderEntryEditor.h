#pragma once
#include <string>
#include <string_view>

#include "dialogs/DecorationChoice.h"

namespace quorbel {

// Title and path of a folder-menu entry as the dialog shows and edits them.
struct FolderEntryFields {
    std::string title;
    std::string path;
};

// The fields for a stored entry value: title before the first "|" (empty when none),
// path after it (the whole value when none). An empty value is a new entry: the title
// is the last part of `newPath`, the path `newPath` itself.
FolderEntryFields EntryFields(std::string_view value, std::string_view newPath);

// Titles travel through the order dialog as "key,title|path", so a "," is refused.
bool TitleAccepted(std::string_view title);

// What OK was given.
struct FolderEntryEdit {
    FolderEntryFields fields;
    DecorationChoice decoration;
    bool makeDefault = false;  // "이 설정을 기본 꾸미기로 합니다."
};

// The INI side of FolderButtonDialog for one entry of one folder menu. The entry is
// named by its key exactly as it stands in the file, so a hand-made key such as "05"
// or "x" is edited under its own name and never lands on another entry.
class FolderEntryEditor {
public:
    FolderEntryEditor(std::string submenuKey, std::string entryKey);

    const std::string& SubmenuKey() const { return submenuKey_; }
    const std::string& EntryKey() const { return entryKey_; }

    // What the dialog shows when it opens; `newPath` is the dropped folder for a new entry.
    FolderEntryFields Read(std::string_view newPath) const;

    // The decoration the dialog starts from: the entry's own when its "E" key exists
    // (empty: undecorated, even when a default exists), else main/default.
    DecorationChoice OfferedDecoration() const;

    enum class SaveResult { Saved, CommaInTitle };

    // OK: the entry is removed and written again as title "|" path (so it becomes the
    // last key of its section and the last row of its menu), then its decoration, then,
    // when asked, main/default. A title holding "," writes nothing.
    SaveResult Save(const FolderEntryEdit& edit) const;

private:
    std::string submenuKey_;
    std::string entryKey_;
};

}  // namespace quorbel
