#include "app/win/SingleInstance.h"

#include <windows.h>

namespace quorbel {

bool IsFirstInstance(const char* mutexName)
{
    HANDLE mutex = CreateMutexA(nullptr, TRUE, mutexName);
    if (GetLastError() == ERROR_ALREADY_EXISTS)
        return false;
    // Any other failure counts as a first copy: better two bars than none.
    if (mutex)
        ReleaseMutex(mutex);
    return true;
}

}  // namespace quorbel
