#pragma once
#include <windows.h>

#include <atomic>
#include <thread>

namespace quorbel::e2e {

// While it lives, dismisses every popup menu on screen (Escape to the bar's thread) and
// cancels every dialog and message box of the Quorbel process, so that a scenario that
// makes the bar open them at random cannot get stuck in one.
class ModalCloser {
public:
    ModalCloser(HWND bar, DWORD quorbelProcessId);
    ~ModalCloser();
    ModalCloser(const ModalCloser&) = delete;
    ModalCloser& operator=(const ModalCloser&) = delete;

private:
    void Run();

    HWND bar_;
    DWORD processId_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace quorbel::e2e
