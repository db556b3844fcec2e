#include "menus/FolderMenu.h"

#include "menus/EntryText.h"
#include "menus/MenuDecoration.h"

namespace quorbel {

namespace {

FolderMenuItem EntryItem(const SubmenuEntry& entry)
{
    FolderMenuItem item;
    item.text = EntryLabel(entry.text);
    item.itemHeight = FolderMenu::kEntryItemHeight;
    ParseMenuDecoration(entry.decoration, item);
    return item;
}

}  // namespace

FolderMenu::FolderMenu(const Submenu& entries)
    : entries_(entries.begin(),
               entries.size() > kMaxEntries ? entries.begin() + kMaxEntries : entries.end())
{
    if (entries_.empty())
        return;
    rows_.reserve(entries_.size() + 1);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        FolderMenuRow row;
        row.itemId = static_cast<int>(i) + 1;
        row.item = EntryItem(entries_[i]);
        row.separator = IsSeparatorLabel(row.item.text);
        row.commandId = row.separator ? 0 : row.itemId;
        row.decoration = entries_[i].decoration;
        rows_.push_back(std::move(row));
    }
    FolderMenuRow manage;
    manage.commandId = kManageId;
    manage.itemId = kManageId;
    rows_.push_back(std::move(manage));
}

void FolderMenu::Register(MenuItemRegistry& registry) const
{
    // An empty menu is never shown, and the rows of the last one shown stay findable.
    if (Empty())
        return;
    registry.Clear();
    for (const FolderMenuRow& row : rows_)
        registry.Store(row.itemId, row.item);
}

FolderMenuChoice FolderMenu::Interpret(int commandId) const
{
    FolderMenuChoice choice;
    if (commandId == kManageId && !rows_.empty()) {
        choice.kind = FolderMenuChoice::Kind::Manage;
        return choice;
    }
    if (commandId < 1 || static_cast<std::size_t>(commandId) > entries_.size())
        return choice;
    const SubmenuEntry& entry = entries_[static_cast<std::size_t>(commandId) - 1];
    if (IsSeparatorLabel(EntryLabel(entry.text)))
        return choice;  // a separator never answers with its position
    choice.kind = FolderMenuChoice::Kind::Entry;
    choice.key = entry.key;
    choice.path = EntryMenuPath(entry.text);
    return choice;
}

std::wstring_view FixedRowLabel(int itemId)
{
    if (itemId == FolderMenu::kManageId)
        return L"[순서/삭제/제목변경]";
    return {};
}

}  // namespace quorbel
