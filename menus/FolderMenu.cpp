#include "menus/FolderMenu.h"

#include <algorithm>

#include "menus/EntryText.h"
#include "menus/KeyboardMenu.h"
#include "menus/MenuDecoration.h"

namespace quorbel {

namespace {

FolderMenuItem EntryItem(const std::string& text, const std::string& decoration)
{
    FolderMenuItem item;
    item.text = EntryLabel(text);
    item.itemHeight = FolderMenu::kEntryItemHeight;
    ParseMenuDecoration(decoration, item);
    return item;
}

std::vector<std::string> FirstOf(const std::vector<std::string>& list, std::size_t count)
{
    return std::vector<std::string>(list.begin(), list.begin() + std::min(count, list.size()));
}

}  // namespace

FolderMenu::FolderMenu(const SubmenuEntries& entries)
{
    const std::size_t count = std::min(
        {entries.keys.size(), entries.texts.size(), entries.decorations.size(), kMaxEntries});
    entries_.keys = FirstOf(entries.keys, count);
    entries_.texts = FirstOf(entries.texts, count);
    entries_.decorations = FirstOf(entries.decorations, count);
    if (entries_.empty())
        return;
    rows_.reserve(count + 1);
    for (std::size_t i = 0; i < count; ++i) {
        FolderMenuRow row;
        row.itemId = static_cast<int>(i) + 1;
        row.item = EntryItem(entries_.texts[i], entries_.decorations[i]);
        row.separator = IsSeparatorLabel(row.item.text);
        row.commandId = row.separator ? 0 : row.itemId;
        row.decoration = entries_.decorations[i];
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
    const std::size_t i = static_cast<std::size_t>(commandId) - 1;
    if (rows_[i].separator)
        return choice;  // a separator never answers with its position
    choice.kind = FolderMenuChoice::Kind::Entry;
    choice.key = entries_.keys[i];
    choice.path = EntryMenuPath(entries_.texts[i]);
    return choice;
}

std::wstring_view FixedRowLabel(int itemId)
{
    if (itemId == FolderMenu::kManageId || KeyboardMenu::IsManageId(itemId))
        return L"[순서/삭제/제목변경]";
    return {};
}

}  // namespace quorbel
