#include "tests/e2e/support/RemoteToolbar.h"

#include <commctrl.h>

#include "framework/Handles.h"
#include "tests/e2e/support/WindowQueries.h"

namespace quorbel::e2e {

HWND FindToolbar(HWND bar)
{
    return FindWindowExA(bar, nullptr, TOOLBARCLASSNAMEA, nullptr);
}

int ToolbarButtonCount(HWND toolbar)
{
    return static_cast<int>(SendWithTimeout(toolbar, TB_BUTTONCOUNT).value_or(-1));
}

std::optional<int> ToolbarButtonImage(HWND toolbar, int commandId)
{
    const std::optional<LRESULT> image = SendWithTimeout(toolbar, TB_GETBITMAP, static_cast<WPARAM>(commandId));
    return image ? std::optional<int>(static_cast<int>(*image)) : std::nullopt;
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
