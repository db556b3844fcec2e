#pragma once
#include "base/Geometry.h"
#include "dialogs/BarButtonEditor.h"
#include "framework/Dialog.h"

namespace quorbel {

// "폴더 버튼 설정" for one button of the bar: its text and its folder. The template's
// decoration part is hidden and cut off below the moved-up OK and Cancel buttons. Opens
// below `anchor`, the screen rectangle of the button.
class BarButtonDialog : public fw::Dialog {
public:
    BarButtonDialog(int position, const Rect& anchor, HWND parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void FoldAwayDecoration() const;

    BarButtonEditor editor_;
    const Rect anchor_;
};

}  // namespace quorbel
