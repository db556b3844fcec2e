#include "dialogs/win/OrderDialog.h"

#include "dialogs/win/DialogPlacement.h"
#include "dialogs/win/FolderButtonDialog.h"
#include "framework/MessageBox.h"
#include "menus/EntryText.h"
#include "resources/resource.h"

namespace quorbel {

namespace {

constexpr int kTitleColumn = 0;
// Zero pixels wide: the row's key and stored value, kept beside the title but never seen.
constexpr int kIdentityColumn = 1;
constexpr int kTitleColumnWidth = 300;

}  // namespace

OrderDialog::OrderDialog(std::string submenuKey, HWND parent)
    : fw::Dialog(IDD_ORDER, parent), submenuKey_(std::move(submenuKey)), order_(IniEntries())
{
}

BOOL OrderDialog::OnInitDialog()
{
    CentreOnDesktop(hwnd());
    list_ = fw::ListView(Item(IDC_ENTRY_LIST));
    list_.InsertColumn(kTitleColumn, L"폴더명", kTitleColumnWidth);
    list_.InsertColumn(kIdentityColumn, L"", 0);

    std::optional<EntryOrder> loaded = EntryOrder::Load(submenuKey_);
    if (!loaded) {
        // OK would write the section back from a cut reading: the menu stays as it is.
        fw::ShowMessage(L"이 폴더 메뉴에 너무 긴 항목이 있어 순서를 바꿀 수 없습니다. "
                        L"SubFolder2.ini 파일은 그대로 둡니다.",
                        MB_OK);
        EndDialog(IDCANCEL);
        return TRUE;
    }
    order_ = std::move(*loaded);
    for (std::size_t row = 0; row < order_.Rows().size(); ++row) {
        list_.InsertRow(static_cast<int>(row), std::string());
        ShowRow(static_cast<int>(row));
    }
    return TRUE;
}

void OrderDialog::OnOK()
{
    order_.Save(submenuKey_);
    EndDialog(IDOK);
}

bool OrderDialog::OnCommand(WORD id, WORD notifyCode, HWND)
{
    if (notifyCode != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_MOVE_UP: MoveUp(); return true;
    case IDC_MOVE_DOWN: MoveDown(); return true;
    case IDC_DELETE_ENTRY: DeleteEntry(); return true;
    case IDC_ENTRY_PROPERTIES: EditEntry(); return true;
    default: return false;
    }
}

void OrderDialog::MoveUp()
{
    if (!TakeSelection())
        return;
    const int from = order_.Selection();
    order_.MoveUp();
    if (order_.Selection() == from)
        return;
    ShowRow(from);
    ShowRow(order_.Selection());
    ShowSelection();
}

void OrderDialog::MoveDown()
{
    if (!TakeSelection())
        return;
    const int from = order_.Selection();
    order_.MoveDown();
    if (order_.Selection() == from)
        return;
    ShowRow(from);
    ShowRow(order_.Selection());
    ShowSelection();
}

void OrderDialog::DeleteEntry()
{
    if (!TakeSelection())
        return;
    const int row = order_.Selection();
    order_.DeleteSelected();
    list_.DeleteRow(row);
    ShowSelection();
}

void OrderDialog::EditEntry()
{
    if (!TakeSelection())
        return;
    const int row = order_.Selection();
    // Opens over this dialog's top-left corner, so both stay in view.
    FolderButtonDialog properties(AnchorAboveWindow(hwnd()), order_.Rows()[row].key,
                                  submenuKey_, std::string(), hwnd());
    if (properties.DoModal() != IDOK)
        return;
    order_.UpdateSelected(properties.Title(), properties.Path());
    ShowRow(row);
}

bool OrderDialog::TakeSelection()
{
    order_.Select(list_.Selected());
    if (order_.HasSelection())
        return true;
    fw::ShowMessage(L"먼저 선택하세요..", MB_OK);
    return false;
}

void OrderDialog::ShowRow(int row)
{
    const OrderRow& entry = order_.Rows()[static_cast<std::size_t>(row)];
    list_.SetText(row, kTitleColumn, entry.title);
    list_.SetText(row, kIdentityColumn, entry.key + "," + JoinEntry(entry.title, entry.path));
}

void OrderDialog::ShowSelection()
{
    if (order_.HasSelection())
        list_.Select(order_.Selection());
    SetFocus(list_.hwnd());
}

OrderOutcome RunOrderDialog(const std::string& submenuKey, HWND parent)
{
    OrderDialog dialog(submenuKey, parent);
    const bool confirmed = dialog.DoModal() == IDOK;
    return {confirmed, dialog.Deleted()};
}

}  // namespace quorbel
