#include "tests/e2e/support/RemoteDrop.h"

#include <shlobj.h>

#include <vector>

#include "framework/Handles.h"
#include "tests/e2e/support/Wait.h"

namespace quorbel::e2e {

bool DropOnToolbar(HWND toolbar, DWORD processId, POINT screen, const std::string& path)
{
    std::vector<char> block(sizeof(DROPFILES) + path.size() + 2, '\0');
    auto* drop = reinterpret_cast<DROPFILES*>(block.data());
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    memcpy(block.data() + sizeof(DROPFILES), path.data(), path.size());

    const fw::KernelObject process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId));
    if (!process)
        return false;
    void* remote = VirtualAllocEx(process.get(), nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remote || !WriteProcessMemory(process.get(), remote, block.data(), block.size(), nullptr))
        return false;
    SetCursorPos(screen.x, screen.y);
    // The window system moves the pointer in its own time, and the drop reads it.
    WaitUntil([&] {
        POINT now{};
        GetCursorPos(&now);
        return now.x == screen.x && now.y == screen.y;
    }, std::chrono::seconds(2));
    return PostMessageW(toolbar, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0) != FALSE;
}

}  // namespace quorbel::e2e
