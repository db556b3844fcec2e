#include "menus/KeyboardMenu.h"

#include "toolbar/ButtonLoad.h"

namespace quorbel {

namespace {

// The first ten items answer to the keys 1 to 9 and 0; an ampersand of the caption is
// shown as itself.
std::string ItemLabel(std::size_t index, const std::string& caption)
{
    std::string label;
    if (index < 10)
        label = std::string("&") + static_cast<char>('0' + (index + 1) % 10) + " ";
    for (char c : caption) {
        if (c == '&')
            label += '&';
        label += c;
    }
    return label;
}

SubmenuEntries FirstEntries(const SubmenuEntries& entries, std::size_t count)
{
    if (entries.size() <= count)
        return entries;
    SubmenuEntries first;
    first.keys.assign(entries.keys.begin(), entries.keys.begin() + count);
    first.texts.assign(entries.texts.begin(), entries.texts.begin() + count);
    first.decorations.assign(entries.decorations.begin(), entries.decorations.begin() + count);
    return first;
}

// The right-click menu's rows, moved into the keyboard menu's ids: entry i (id i + 1 there)
// takes firstRowId + i, the management row its button's own.
std::vector<FolderMenuRow> Renumbered(const FolderMenu& menu, int firstRowId, int manageId)
{
    std::vector<FolderMenuRow> rows = menu.Rows();
    for (FolderMenuRow& row : rows) {
        row.itemId = row.itemId == FolderMenu::kManageId ? manageId : firstRowId + row.itemId - 1;
        row.commandId = row.separator ? 0 : row.itemId;
    }
    return rows;
}

// The id the button's own right-click menu gives the row that has `commandId` here; 0
// when none of its rows has it.
int RightClickId(const std::vector<FolderMenuRow>& rows, int firstRowId, int commandId)
{
    if (commandId == rows.back().itemId)
        return FolderMenu::kManageId;
    const int entry = commandId - firstRowId;
    const int entries = static_cast<int>(rows.size()) - 1;
    return entry >= 0 && entry < entries ? entry + 1 : 0;
}

}  // namespace

KeyboardMenu::KeyboardMenu(const std::vector<FolderButton>& buttons,
                           const std::function<SubmenuEntries(const std::string&)>& loadSubmenu)
{
    // A left click reaches only the buttons with a command id of their own: a plain button
    // past them does nothing under the mouse, and is not offered here either.
    constexpr std::size_t kClickable = kLastButtonCommand - kFirstButtonCommand + 1;
    constexpr std::size_t kManageIds = kEndId - kFirstManageId;
    int nextId = kFirstId;
    for (std::size_t p = 0; p < buttons.size() && p < kManageIds && nextId < kFirstManageId; ++p) {
        const FolderButton& button = buttons[p];
        if (!button.valid)
            continue;
        KeyboardMenuItem item;
        item.position = static_cast<int>(p);
        Submenu submenu{button.submenuKey, FolderMenu(SubmenuEntries{}), nextId};
        const SubmenuEntries entries = loadSubmenu(button.submenuKey);
        if (!entries.empty()) {
            const std::size_t idsLeft = static_cast<std::size_t>(kFirstManageId - nextId);
            submenu.menu = FolderMenu(FirstEntries(entries, idsLeft));
            item.rows = Renumbered(submenu.menu, nextId, kFirstManageId + item.position);
            nextId += static_cast<int>(item.rows.size()) - 1;
        } else if (p < kClickable) {
            item.commandId = nextId++;
        } else {
            continue;
        }
        item.label = ItemLabel(items_.size(), button.caption);
        items_.push_back(std::move(item));
        submenus_.push_back(std::move(submenu));
    }
}

void KeyboardMenu::Register(MenuItemRegistry& registry) const
{
    registry.Clear();
    for (const KeyboardMenuItem& item : items_)
        for (const FolderMenuRow& row : item.rows)
            registry.Store(row.itemId, row.item);
}

KeyboardMenuChoice KeyboardMenu::Interpret(int commandId) const
{
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const KeyboardMenuItem& item = items_[i];
        KeyboardMenuChoice choice;
        choice.position = item.position;
        if (item.rows.empty()) {
            if (commandId != item.commandId)
                continue;
            choice.kind = KeyboardMenuChoice::Kind::Button;
            return choice;
        }
        const Submenu& submenu = submenus_[i];
        const int rightClickId = RightClickId(item.rows, submenu.firstRowId, commandId);
        if (rightClickId == 0)
            continue;
        choice.row = submenu.menu.Interpret(rightClickId);
        if (choice.row.kind == FolderMenuChoice::Kind::Nothing)
            break;  // a separator chooses nothing
        choice.kind = KeyboardMenuChoice::Kind::Row;
        choice.submenuKey = submenu.submenuKey;
        return choice;
    }
    return KeyboardMenuChoice{};
}

}  // namespace quorbel
