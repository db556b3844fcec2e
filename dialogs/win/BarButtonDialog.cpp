#include "dialogs/win/BarButtonDialog.h"

#include "dialogs/win/DialogPlacement.h"
#include "resources/resource.h"

namespace quorbel {

namespace {

// Room below the buttons for the caption and the frame of the shortened window.
constexpr int kBottomMargin = 35;

}  // namespace

BarButtonDialog::BarButtonDialog(int position, const Rect& anchor, HWND parent)
    : fw::Dialog(IDD_FOLDER_BUTTON, parent), editor_(position), anchor_(anchor)
{
}

BOOL BarButtonDialog::OnInitDialog()
{
    const BarButtonFields fields = editor_.Read();
    SetItemTextA(IDC_TITLE, fields.text);
    SetItemTextA(IDC_COMMAND, fields.command);
    SetItemTextA(IDC_PATH, fields.folderPath);
    ShowWindow(Item(IDC_SEPARATOR_HINT), SW_HIDE);
    PlaceDialogBelow(hwnd(), anchor_);
    FoldAwayDecoration();
    return TRUE;
}

void BarButtonDialog::OnOK()
{
    // The command number has no visible control: it goes back as the text it came as.
    editor_.Write({ItemTextA(IDC_TITLE), ItemTextA(IDC_COMMAND), ItemTextA(IDC_PATH)});
    EndDialog(IDOK);
}

void BarButtonDialog::FoldAwayDecoration() const
{
    ShowWindow(Item(IDC_DECORATE), SW_HIDE);
    ShowWindow(Item(IDC_DECORATION_GROUP), SW_HIDE);

    const int top = ControlRect(hwnd(), IDC_DECORATE).top;
    for (int id : {IDOK, IDCANCEL}) {
        const RECT button = ControlRect(hwnd(), id);
        SetWindowPos(Item(id), nullptr, button.left, top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The decoration controls stay where they are, below the new bottom edge.
    SetDialogHeight(hwnd(), ControlRect(hwnd(), IDCANCEL).bottom + kBottomMargin);
}

}  // namespace quorbel
