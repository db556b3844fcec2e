#include "app/win/AboutDialog.h"

#include "resources/resource.h"

namespace quorbel {

AboutDialog::AboutDialog(HWND parent) : fw::Dialog(IDD_ABOUT, parent) {}

}  // namespace quorbel
