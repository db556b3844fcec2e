#include "dialogs/win/ChoiceCombo.h"

#include <string>

namespace quorbel {

void ChoiceCombo::Fill(const ChoiceList& list) const
{
    SendMessageW(control_, CB_RESETCONTENT, 0, 0);
    for (const ChoiceItem& item : list) {
        const std::wstring text(item.text);
        SendMessageW(control_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

int ChoiceCombo::Selection() const
{
    return static_cast<int>(SendMessageW(control_, CB_GETCURSEL, 0, 0));
}

void ChoiceCombo::Select(int index) const
{
    SendMessageW(control_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

}  // namespace quorbel
