#pragma once
#include <string>

namespace quorbel {

// What BarButtonDialog edits of one button section. The command number has no visible
// control; it is carried through as the text it was read as, so OK writes it back
// unchanged (an absent key comes back as empty text, which reads as 0).
struct BarButtonFields {
    std::string text;
    std::string command;
    std::string folderPath;
};

// The INI side of BarButtonDialog for the button at `position`.
class BarButtonEditor {
public:
    explicit BarButtonEditor(int position) : position_(position) {}

    int Position() const { return position_; }

    BarButtonFields Read() const;

    // OK writes sButtonText, iCommand and sFolderPath, in that order; nothing is refused.
    void Write(const BarButtonFields& fields) const;

private:
    int position_;
};

}  // namespace quorbel
