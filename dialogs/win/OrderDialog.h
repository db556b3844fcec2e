#pragma once
#include <string>

#include "dialogs/EntryOrder.h"
#include "framework/Dialog.h"
#include "framework/ListView.h"

namespace quorbel {

// "순서 변경": reorders, deletes and retitles the entries of one folder menu. Moves and
// deletions stay in the list until OK, which writes the whole entry section at once;
// "속성변경" hands one entry to FolderButtonDialog, which saves it there and then.
class OrderDialog : public fw::Dialog {
public:
    explicit OrderDialog(std::string submenuKey, HWND parent = nullptr);

    // True once an entry was deleted in the list, OK or not; the opener acts on it after OK.
    bool Deleted() const { return order_.Deleted(); }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;

private:
    void MoveUp();
    void MoveDown();
    void DeleteEntry();
    void EditEntry();

    // The list's selected row handed to the model; false, after asking the user to
    // select one, when there is none.
    bool TakeSelection();
    void ShowRow(int row);
    void ShowSelection();

    std::string submenuKey_;
    fw::ListView list_;
    EntryOrder order_;
};

// How a run of the order dialog ended.
struct OrderOutcome {
    bool confirmed = false;  // ended with OK
    bool deleted = false;    // an entry was deleted in the list

    // Deleting the last entry can take a button's menu away, which its image shows; a
    // mere reorder or retitle changes nothing the bar shows.
    bool BarNeedsReload() const { return confirmed && deleted; }
};

// The folder menu's "[순서/삭제/제목변경]" row: the order dialog for the menu named by
// `submenuKey`, run modally.
OrderOutcome RunOrderDialog(const std::string& submenuKey, HWND parent = nullptr);

}  // namespace quorbel
