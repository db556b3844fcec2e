#pragma once
#include <windows.h>

namespace fw {

// A kernel object that the program's own message loops wait on besides their queue, so
// that its signal is taken in the moment it comes instead of being asked for.
class LoopWaitable {
public:
    // Null while there is nothing to wait on.
    virtual HANDLE WaitHandle() const = 0;
    // The loop found the handle signalled; called before the loop takes its next message.
    virtual void OnSignalled() = 0;

protected:
    ~LoopWaitable() = default;
};

// Adds `waitable` to what the program's loops wait on, until it is removed.
void WaitInMessageLoops(LoopWaitable& waitable);
void StopWaitingInMessageLoops(LoopWaitable& waitable);

enum class Arrival {
    Quiet,      // came right after a wait that found no waitable signalled
    Unwatched,  // the waitables could not be waited on: nothing is known of them
    Quit,       // WM_QUIT
};

// Waits for the thread's next message and takes it, one message per wait, so that every
// message comes right after a look at the waitables (those found signalled are called
// back first). Waiting this way costs no more than GetMessage's own wait.
Arrival TakeNextMessage(MSG& message);

// Marks a message taken by TakeNextMessage as the one the program handles while this
// lives (own loops nest: the outer message is marked again afterwards).
class HandlingMessage {
public:
    HandlingMessage(const MSG& message, Arrival arrival);
    ~HandlingMessage();
    HandlingMessage(const HandlingMessage&) = delete;
    HandlingMessage& operator=(const HandlingMessage&) = delete;

private:
    friend bool ClaimQuietArrival(HWND window, UINT message);
    HWND window_;
    UINT message_;
    bool claimable_;
    HandlingMessage* outer_;
};

// True, for its first asker only, while `window` handles `message` that one of the
// program's own loops took right after a wait that found no waitable signalled: nothing
// they watch has changed since. False inside any other loop (a menu, a message box, the
// system's window move), which waits on nothing of ours, and for a later asker within
// the same message, which may run after such a loop.
bool ClaimQuietArrival(HWND window, UINT message);

}  // namespace fw
