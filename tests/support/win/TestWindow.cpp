#include "tests/support/win/TestWindow.h"

namespace quorbel::test {

TestWindow::TestWindow()
{
    RegisterWindowClass(L"QuorbelTestWindow", 0, nullptr, LoadCursor(nullptr, IDC_ARROW),
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    Create(0, L"QuorbelTestWindow", L"test", WS_POPUP, 0, 0, 800, 200, nullptr, nullptr);
}

std::optional<MSG> TestWindow::TakePosted(UINT message)
{
    MSG msg;
    if (PeekMessageW(&msg, hwnd(), message, message, PM_REMOVE))
        return msg;
    return std::nullopt;
}

}  // namespace quorbel::test
