#pragma once
#include <windows.h>

#include "dialogs/DecorationChoice.h"

namespace quorbel {

// A borrowed drop-down list combo box that offers one of the dialog's fixed lists. The
// selection index is the index into the list, as DecorationChoice keeps it.
class ChoiceCombo {
public:
    explicit ChoiceCombo(HWND control) : control_(control) {}

    // The items in list order, after whatever the box held.
    void Fill(const ChoiceList& list) const;
    // -1 when nothing is selected.
    int Selection() const;
    // -1 clears the selection.
    void Select(int index) const;

private:
    HWND control_;
};

}  // namespace quorbel
