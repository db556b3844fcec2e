#include <windows.h>

#include "app/win/BarApp.h"

namespace quorbel {

namespace {
// Registered while the program initialises, before the bar exists: the shell broadcasts
// it when it (re)starts, and the bar answers by adding its tray icon again.
const UINT g_taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
}  // namespace

unsigned TaskbarCreatedMessage()
{
    return g_taskbarCreated;
}

}  // namespace quorbel
