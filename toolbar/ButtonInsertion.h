#pragma once
#include <optional>
#include <string>
#include <vector>

#include "config/SectionOps.h"

namespace quorbel {

// A dropped folder added as a new button, which stays in the file while BarButtonDialog
// runs and is taken back exactly when the dialog is cancelled: every section it touched
// and main/size are restored as they were, and sections it created are removed again.
class ButtonInsertion {
public:
    // Opens a gap at `position` (clamped to 0 .. ButtonCount()) by moving the buttons
    // from there on one place to the right, writes the new folder button there
    // (sFolderPath, sButtonText = the folder's last path part, a new subkey; no iCommand)
    // and sets main/size to the new number of buttons. Nothing, with nothing written,
    // when a button that would move holds a value too long to be read whole.
    static std::optional<ButtonInsertion> Insert(int position, const std::string& folderPath);

    int Position() const { return position_; }

    // Puts back what Insert changed. Call at most once, before anything else writes the
    // button sections.
    void TakeBack() const;

private:
    struct SavedSection {
        std::string name;
        bool existed = false;
        IniEntries entries;
    };

    int position_ = 0;
    std::vector<SavedSection> sections_;
    bool mainExisted_ = false;
    bool sizeExisted_ = false;
    std::string sizeText_;
};

}  // namespace quorbel
