#include "framework/MessageLoop.h"

#include <algorithm>
#include <vector>

namespace fw {

namespace {

std::vector<LoopWaitable*> g_waitables;
HandlingMessage* g_handling = nullptr;

// Every kind of message a wait must wake for. Windows 8 counts touch and pointer input as
// input too (QS_TOUCH, QS_POINTER), and Windows 7 refuses those flags. Wine knows them, and
// a wait without them is to Wine no wait for all input: it then looks at the window
// system's events again at every other timer message.
DWORD AllInput()
{
    static const DWORD mask = [] {
        constexpr DWORD kTouchAndPointer = 0x0800 | 0x1000;
        constexpr DWORD kWithPointers = QS_ALLINPUT | kTouchAndPointer;
        const DWORD probe = MsgWaitForMultipleObjectsEx(0, nullptr, 0, kWithPointers, MWMO_INPUTAVAILABLE);
        return probe == WAIT_FAILED ? static_cast<DWORD>(QS_ALLINPUT) : kWithPointers;
    }();
    return mask;
}

}  // namespace

void WaitInMessageLoops(LoopWaitable& waitable)
{
    g_waitables.push_back(&waitable);
}

void StopWaitingInMessageLoops(LoopWaitable& waitable)
{
    g_waitables.erase(std::remove(g_waitables.begin(), g_waitables.end(), &waitable), g_waitables.end());
}

Arrival TakeNextMessage(MSG& message)
{
    for (;;) {
        HANDLE handles[MAXIMUM_WAIT_OBJECTS - 1];
        LoopWaitable* owners[MAXIMUM_WAIT_OBJECTS - 1];
        DWORD count = 0;
        for (LoopWaitable* waitable : g_waitables) {
            const HANDLE handle = waitable->WaitHandle();
            if (handle && count < MAXIMUM_WAIT_OBJECTS - 1) {
                handles[count] = handle;
                owners[count++] = waitable;
            }
        }
        // A wait for any one object answers with the lowest signalled index, and the queue
        // comes after the handles: waking for a message means that none was signalled.
        // MWMO_INPUTAVAILABLE wakes for messages already seen but not yet taken as well, so
        // one message per wait needs no empty PeekMessage to learn that the queue is empty
        // (under Wine that look would cost a round trip to its server on every tick).
        const DWORD woke = MsgWaitForMultipleObjectsEx(count, handles, INFINITE, AllInput(), MWMO_INPUTAVAILABLE);
        if (woke < WAIT_OBJECT_0 + count) {
            owners[woke - WAIT_OBJECT_0]->OnSignalled();
            continue;
        }
        if (woke != WAIT_OBJECT_0 + count) {
            // A handle closed under us, say: take the message as GetMessage would.
            return GetMessageW(&message, nullptr, 0, 0) > 0 ? Arrival::Unwatched : Arrival::Quit;
        }
        // Sent messages are handled inside PeekMessage, which then may find nothing posted.
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            return message.message == WM_QUIT ? Arrival::Quit : Arrival::Quiet;
    }
}

HandlingMessage::HandlingMessage(const MSG& message, Arrival arrival)
    : window_(message.hwnd), message_(message.message), claimable_(arrival == Arrival::Quiet), outer_(g_handling)
{
    g_handling = this;
}

HandlingMessage::~HandlingMessage()
{
    g_handling = outer_;
}

bool ClaimQuietArrival(HWND window, UINT message)
{
    HandlingMessage* handling = g_handling;
    if (!handling || !handling->claimable_ || handling->window_ != window || handling->message_ != message)
        return false;
    handling->claimable_ = false;
    return true;
}

}  // namespace fw
