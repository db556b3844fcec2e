#include "tests/e2e/support/ModalCloser.h"

#include "tests/e2e/support/Input.h"
#include "tests/e2e/support/WindowQueries.h"

namespace quorbel::e2e {

ModalCloser::ModalCloser(HWND bar, DWORD quorbelProcessId)
    : bar_(bar), processId_(quorbelProcessId), thread_([this] { Run(); })
{
}

ModalCloser::~ModalCloser()
{
    stop_ = true;
    thread_.join();
}

void ModalCloser::Run()
{
    while (!stop_) {
        if (FindOpenMenu())
            PostKey(bar_, VK_ESCAPE);
        for (HWND dialog : DialogsOf(processId_))
            if (IsWindowVisible(dialog))
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        Sleep(15);
    }
}

}  // namespace quorbel::e2e
