#include "dialogs/EntryOrder.h"

#include <utility>

#include "config/ConfigNames.h"
#include "config/IniPath.h"
#include "config/IniSection.h"
#include "menus/EntryText.h"

namespace quorbel {

EntryOrder::EntryOrder(const IniEntries& section)
{
    for (const auto& [key, value] : section) {
        if (value.empty())
            continue;
        rows_.push_back(OrderRow{key, EntryLabel(value), EntryEditPath(value)});
    }
}

std::optional<EntryOrder> EntryOrder::Load(const std::string& submenuKey)
{
    const std::optional<IniEntries> section = ReadSectionEntries(submenuKey, IniPath(kSubmenuIniFile));
    if (!section)
        return std::nullopt;
    return EntryOrder(*section);
}

void EntryOrder::Select(int row)
{
    selection_ = (row >= 0 && static_cast<std::size_t>(row) < rows_.size()) ? row : -1;
}

bool EntryOrder::MoveUp()
{
    if (!HasSelection())
        return false;
    if (selection_ > 0) {
        std::swap(rows_[selection_], rows_[selection_ - 1]);
        --selection_;
    }
    return true;
}

bool EntryOrder::MoveDown()
{
    if (!HasSelection())
        return false;
    if (static_cast<std::size_t>(selection_) + 1 < rows_.size()) {
        std::swap(rows_[selection_], rows_[selection_ + 1]);
        ++selection_;
    }
    return true;
}

bool EntryOrder::DeleteSelected()
{
    if (!HasSelection())
        return false;
    rows_.erase(rows_.begin() + selection_);
    deleted_ = true;
    Select(selection_ > 0 ? selection_ - 1 : 0);
    return true;
}

bool EntryOrder::UpdateSelected(std::string title, std::string path)
{
    if (!HasSelection())
        return false;
    rows_[selection_].title = std::move(title);
    rows_[selection_].path = std::move(path);
    return true;
}

IniEntries EntryOrder::SectionEntries() const
{
    IniEntries entries;
    entries.reserve(rows_.size());
    for (const OrderRow& row : rows_)
        entries.emplace_back(row.key, JoinEntry(row.title, row.path));
    return entries;
}

bool EntryOrder::Save(const std::string& submenuKey) const
{
    const std::string path = IniPath(kSubmenuIniFile);
    if (rows_.empty())
        return IniSection(submenuKey, path).Remove();
    return ReplaceSection(submenuKey, SectionEntries(), path);
}

}  // namespace quorbel
