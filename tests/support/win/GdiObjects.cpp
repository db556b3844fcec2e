#include "tests/support/win/GdiObjects.h"

#include <windows.h>
#include <winternl.h>

#include <cstdint>

namespace quorbel::test {

namespace {

// One cell of the shared handle table, laid out alike on Windows and Wine. A cell with a
// type in use holds a live object.
struct GdiHandleCell {
    void* kernelObject;
    std::uint16_t processId, count, unique;
    std::uint8_t type, flags;
    void* userObject;
};

// PEB::GdiSharedHandleTable, which winternl.h leaves among its reserved fields.
constexpr std::size_t kTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;

// The process environment block, as the system reports it (NtCurrentTeb's segment read
// draws a false array-bounds warning from GCC).
const std::uint8_t* OwnProcessEnvironmentBlock()
{
    using Query = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        return nullptr;
    return reinterpret_cast<const std::uint8_t*>(basic.PebBaseAddress);
}

}  // namespace

int LiveGdiObjects()
{
    if (const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
        return static_cast<int>(reported);
    const std::uint8_t* peb = OwnProcessEnvironmentBlock();
    if (!peb)
        return -1;
    const auto* table = *reinterpret_cast<const GdiHandleCell* const*>(peb + kTableOffset);
    if (!table)
        return -1;
    const WORD self = static_cast<WORD>(GetCurrentProcessId());
    int live = 0;
    // Windows lists every process's objects; Wine's table is the process's own and may
    // leave the owner blank.
    for (int i = 0; i < 0x10000; ++i)
        live += table[i].type != 0 && (table[i].processId == 0 || table[i].processId == self);
    return live;
}

}  // namespace quorbel::test
