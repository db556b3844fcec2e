#pragma once
#include "framework/Dialog.h"

namespace quorbel {

// The About box: the icon, the name and version, and an OK button.
class AboutDialog : public fw::Dialog {
public:
    explicit AboutDialog(HWND parent = nullptr);
};

}  // namespace quorbel
