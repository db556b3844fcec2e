#pragma once
#include <optional>
#include <string>
#include <vector>

#include "config/SectionOps.h"

namespace quorbel {

// One row of the order dialog. The key is kept as the text it is in the file: it is the
// entry's identity (its decoration is filed under it too), and a hand-made key such as
// "05" or "a,b" must come back exactly.
struct OrderRow {
    std::string key;
    std::string title;  // shown in column 0 and stored by OK
    std::string path;   // the value after its first "|" (the whole value when none)
};

// The working copy behind OrderDialog's list: rows in menu order and the selected row.
// Nothing reaches the file until Save; Cancel simply drops the object.
class EntryOrder {
public:
    // Rows from a section's key/value pairs in file order; empty values are free slots
    // and are left out (so Save removes their keys).
    explicit EntryOrder(const IniEntries& section);

    // The rows of the entry section `submenuKey` of "SubFolder2.ini". Nothing when an
    // entry is too long to be read whole: Save would write it back cut.
    static std::optional<EntryOrder> Load(const std::string& submenuKey);

    const std::vector<OrderRow>& Rows() const { return rows_; }

    // The selected row, -1 for none (there is none at first).
    int Selection() const { return selection_; }
    void Select(int row);
    bool HasSelection() const { return selection_ >= 0; }

    // The buttons act on the selected row and return false when there is none (the
    // dialog then asks the user to select one). Moves past either end do nothing; the
    // moved row stays selected.
    bool MoveUp();
    bool MoveDown();
    // Selects the row above the deleted one; after deleting the first row, the new first
    // row (none when the list is now empty).
    bool DeleteSelected();

    // True once a row was deleted, Save or not.
    bool Deleted() const { return deleted_; }

    // After FolderButtonDialog saved the selected row's entry: the row shows what was
    // stored. False when nothing is selected.
    bool UpdateSelected(std::string title, std::string path);

    // The section as Save writes it: every row in list order, key = title "|" path.
    IniEntries SectionEntries() const;

    // OK: replaces the whole entry section in one write (an empty list leaves no section).
    // The decoration section is untouched: each entry keeps its decoration by its key.
    bool Save(const std::string& submenuKey) const;

private:
    std::vector<OrderRow> rows_;
    int selection_ = -1;
    bool deleted_ = false;
};

}  // namespace quorbel
