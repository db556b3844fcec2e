#pragma once
#include <string>

#include "base/Geometry.h"
#include "dialogs/FolderEntryEditor.h"
#include "dialogs/win/ColorSwatch.h"
#include "framework/Dialog.h"

namespace quorbel {

// "폴더 버튼 설정" for one entry of a folder menu: its title, its folder and its
// decoration, which may also become the default offered to entries without one. Opens
// below `anchor` (screen pixels). The entry is named by its key exactly as it stands in
// the section, never by a number read from it, so a hand-made key such as "05" is edited
// under its own name. `newPath` is what a new entry (one without a value) starts from.
class FolderButtonDialog : public fw::Dialog {
public:
    FolderButtonDialog(const Rect& anchor, std::string entryKey, std::string submenuKey,
                       std::string newPath, HWND parent);

    // What OK stored; before OK the title is empty and the path the new path.
    const std::string& Title() const { return title_; }
    const std::string& Path() const { return path_; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;

private:
    void ChooseSwatchColour(ColorSwatch& swatch);
    void EnableDecoration(bool enable) const;
    void ShowDecoration(const DecorationChoice& choice);
    DecorationChoice ChosenDecoration() const;

    ColorSwatch background_;
    ColorSwatch text_;
    FolderEntryEditor editor_;
    std::string path_;
    std::string title_;
    const Rect anchor_;
};

}  // namespace quorbel
