#include "dialogs/win/FolderButtonDialog.h"

#include "dialogs/win/ChoiceCombo.h"
#include "dialogs/win/DialogPlacement.h"
#include "framework/ColorDialog.h"
#include "framework/MessageBox.h"
#include "resources/resource.h"

namespace quorbel {

namespace {

// Switched on and off together by "메뉴 꾸미기"; the swatches and the default box are
// not among them and stay enabled.
constexpr int kDecorationControls[] = {IDC_BOLD, IDC_FONT_SIZE, IDC_ITEM_HEIGHT,
                                       IDC_CHOOSE_BACK_COLOR, IDC_CHOOSE_TEXT_COLOR};

}  // namespace

FolderButtonDialog::FolderButtonDialog(const Rect& anchor, std::string entryKey,
                                       std::string submenuKey, std::string newPath, HWND parent)
    : fw::Dialog(IDD_FOLDER_BUTTON, parent),
      editor_(std::move(submenuKey), std::move(entryKey)),
      path_(std::move(newPath)),
      anchor_(anchor)
{
}

BOOL FolderButtonDialog::OnInitDialog()
{
    ChoiceCombo(Item(IDC_FONT_SIZE)).Fill(FontSizeChoices());
    ChoiceCombo(Item(IDC_ITEM_HEIGHT)).Fill(ItemHeightChoices());
    background_.Attach(Item(IDC_BACK_SWATCH));
    text_.Attach(Item(IDC_TEXT_SWATCH));

    const FolderEntryFields fields = editor_.Read(path_);
    SetItemTextA(IDC_TITLE, fields.title);
    SetItemTextA(IDC_PATH, fields.path);

    PlaceDialogBelow(hwnd(), anchor_);
    EnableDecoration(false);
    ShowDecoration(editor_.OfferedDecoration());
    return TRUE;
}

void FolderButtonDialog::OnOK()
{
    FolderEntryEdit edit;
    edit.fields = {ItemTextA(IDC_TITLE), ItemTextA(IDC_PATH)};
    edit.decoration = ChosenDecoration();
    edit.makeDefault = IsChecked(IDC_MAKE_DEFAULT);
    if (editor_.Save(edit) == FolderEntryEditor::SaveResult::CommaInTitle) {
        fw::ShowMessage(L"제목으로 , 문자를 사용할 수 없습니다.", MB_OK);
        return;
    }
    title_ = std::move(edit.fields.title);
    path_ = std::move(edit.fields.path);
    EndDialog(IDOK);
}

bool FolderButtonDialog::OnCommand(WORD id, WORD notifyCode, HWND)
{
    if (notifyCode != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_CHOOSE_BACK_COLOR: ChooseSwatchColour(background_); return true;
    case IDC_CHOOSE_TEXT_COLOR: ChooseSwatchColour(text_); return true;
    case IDC_DECORATE: EnableDecoration(IsChecked(IDC_DECORATE)); return true;
    default: return false;
    }
}

void FolderButtonDialog::ChooseSwatchColour(ColorSwatch& swatch)
{
    // The chooser starts from black every time and Cancel is how the user says "no
    // colour". It is owned by this dialog so that the dialog takes no input meanwhile.
    const std::optional<COLORREF> chosen = fw::ChooseColour(hwnd());
    swatch.hasColour = chosen.has_value();
    if (chosen)
        swatch.colour = *chosen;
    // The dialog does not clip its children, so this repaints the swatches too.
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void FolderButtonDialog::EnableDecoration(bool enable) const
{
    for (int id : kDecorationControls)
        EnableWindow(Item(id), enable);
}

void FolderButtonDialog::ShowDecoration(const DecorationChoice& choice)
{
    if (!choice.decorate)
        return;
    SetChecked(IDC_DECORATE, true);
    EnableDecoration(true);
    SetChecked(IDC_BOLD, choice.bold);
    background_.hasColour = choice.hasBackground;
    background_.colour = static_cast<COLORREF>(choice.background);
    text_.hasColour = choice.hasTextColour;
    text_.colour = static_cast<COLORREF>(choice.textColour);
    InvalidateRect(background_.hwnd(), nullptr, TRUE);
    InvalidateRect(text_.hwnd(), nullptr, TRUE);
    ChoiceCombo(Item(IDC_ITEM_HEIGHT)).Select(choice.itemHeightSelection);
    ChoiceCombo(Item(IDC_FONT_SIZE)).Select(choice.fontSizeSelection);
}

DecorationChoice FolderButtonDialog::ChosenDecoration() const
{
    DecorationChoice choice;
    choice.decorate = IsChecked(IDC_DECORATE);
    choice.bold = IsChecked(IDC_BOLD);
    choice.fontSizeSelection = ChoiceCombo(Item(IDC_FONT_SIZE)).Selection();
    choice.itemHeightSelection = ChoiceCombo(Item(IDC_ITEM_HEIGHT)).Selection();
    choice.hasBackground = background_.hasColour;
    choice.background = static_cast<int>(background_.colour);
    choice.hasTextColour = text_.hasColour;
    choice.textColour = static_cast<int>(text_.colour);
    return choice;
}

}  // namespace quorbel
