#include "app/win/HiddenOwnerWindow.h"

namespace quorbel {

namespace {
constexpr wchar_t kClassName[] = L"QuorbelHiddenOwner";
}

bool HiddenOwnerWindow::Create()
{
    if (hwnd())
        return true;
    if (!RegisterWindowClass(kClassName, 0, nullptr, nullptr, nullptr))
        return false;
    return fw::Window::Create(0, kClassName, L"", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr);
}

}  // namespace quorbel
