#include "tests/e2e/support/WindowQueries.h"

#include <commctrl.h>

#include "framework/Handles.h"

namespace quorbel::e2e {

namespace {

BOOL CALLBACK Collect(HWND window, LPARAM windows)
{
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

std::vector<HWND> DialogsOf(DWORD processId, bool captioned)
{
    std::vector<HWND> dialogs;
    for (HWND window : TopLevelWindowsOf(processId))
        if (ClassNameOf(window) == "#32770" &&
            ((GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION) == captioned)
            dialogs.push_back(window);
    return dialogs;
}

}  // namespace

std::optional<LRESULT> SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       std::chrono::milliseconds timeout)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, static_cast<UINT>(timeout.count()),
                             &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

bool IsAnswering(HWND window, std::chrono::milliseconds timeout)
{
    return SendWithTimeout(window, WM_NULL, 0, 0, timeout).has_value();
}

std::string ClassNameOf(HWND window)
{
    char name[260];
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::optional<std::string> TextOf(HWND window, std::chrono::milliseconds timeout)
{
    char text[4096];  // longer than any text the scenarios read
    const std::optional<LRESULT> copied =
        SendWithTimeout(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), timeout);
    return copied ? std::optional<std::string>(std::string(text, static_cast<std::size_t>(*copied))) : std::nullopt;
}

RECT WindowRectOf(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

DWORD ProcessIdOf(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId)
{
    std::vector<HWND> all;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> windows;
    for (HWND window : all)
        if (ProcessIdOf(window) == processId || processId == 0)
            windows.push_back(window);
    return windows;
}

HWND FindBarWindow(DWORD quorbelProcessId)
{
    const std::vector<HWND> bars = DialogsOf(quorbelProcessId, false);
    return bars.empty() ? nullptr : bars.front();
}

std::vector<HWND> DialogsOf(DWORD processId)
{
    return DialogsOf(processId, true);
}

HWND FindOpenMenu()
{
    for (HWND window : TopLevelWindowsOf(0))
        if (ClassNameOf(window) == "#32768" && IsWindowVisible(window))
            return window;
    return nullptr;
}

bool BringToForeground(HWND window, std::chrono::milliseconds timeout)
{
    // Asked again while it does not hold: under Wine a focus change that the X server
    // reports late can undo the first.
    return WaitUntil([window] {
        if (GetForegroundWindow() != window)
            SetForegroundWindow(window);
        return GetForegroundWindow() == window &&
               HoldsFor([window] { return GetForegroundWindow() == window; }, 3 * kTickPeriod);
    }, timeout);
}

HWND FindToolbar(HWND bar)
{
    return FindWindowExA(bar, nullptr, TOOLBARCLASSNAMEA, nullptr);
}

int ToolbarButtonCount(HWND toolbar)
{
    return static_cast<int>(SendWithTimeout(toolbar, TB_BUTTONCOUNT).value_or(-1));
}

int ToolbarButtonImage(HWND toolbar, int commandId)
{
    return static_cast<int>(SendWithTimeout(toolbar, TB_GETBITMAP, static_cast<WPARAM>(commandId)).value_or(-1));
}

std::optional<RECT> ToolbarButtonRect(HWND toolbar, int index)
{
    const fw::KernelObject process(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, ProcessIdOf(toolbar)));
    void* remote = process ? VirtualAllocEx(process.get(), nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE) : nullptr;
    if (!remote)
        return std::nullopt;
    RECT rect{};
    const bool ok = SendWithTimeout(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index),
                                    reinterpret_cast<LPARAM>(remote)).value_or(0) &&
                    ReadProcessMemory(process.get(), remote, &rect, sizeof rect, nullptr);
    VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
    if (!ok)
        return std::nullopt;
    MapWindowPoints(toolbar, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace quorbel::e2e
