// The floor of the bar's idle CPU use: a program that only makes the window queries a
// glue tick makes anyway, on the same 50 ms timer, and nothing else. Run by
// bench_glue_cpu; ends after the number of seconds given as its argument.

#include <windows.h>

#include <cstdlib>

namespace {

HWND g_window = nullptr;

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
{
    GetKeyState(VK_CONTROL);
    GetKeyState(VK_LBUTTON);
    HWND foreground = GetForegroundWindow();
    char name[260];
    GetClassNameA(foreground, name, sizeof name);
    IsIconic(foreground);
    RECT a;
    RECT b;
    GetWindowRect(foreground, &a);
    GetWindowRect(g_window, &b);
    IsWindowVisible(g_window);
}

}  // namespace

int main(int argc, char** argv)
{
    const UINT seconds = argc > 1 ? static_cast<UINT>(std::atoi(argv[1])) : 30;
    g_window = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, L"STATIC", L"", WS_POPUP | WS_VISIBLE,
                               0, 700, 200, 20, nullptr, nullptr, nullptr, nullptr);
    SetTimer(nullptr, 0, 50, Tick);
    const DWORD end = GetTickCount() + seconds * 1000;
    MSG message;
    while (GetTickCount() < end && GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    DestroyWindow(g_window);
    return 0;
}
