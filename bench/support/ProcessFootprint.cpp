#include "bench/support/ProcessFootprint.h"

#include <winternl.h>

#include <vector>

#include "tests/e2e/support/WindowQueries.h"

namespace quorbel::e2e {

namespace {

// The GDI handle table the process environment block points at: 65536 entries of a kernel
// pointer, owner, count, upper half of the handle, type (0 when free) and a user pointer.
struct GdiEntry {
    void* kernel;
    USHORT owner, count, upper, type;
    void* user;
};
constexpr std::size_t kGdiTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;

using QueryProcess = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

int CountGdiObjects(HANDLE process)
{
    const auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        return -1;
    void* table = nullptr;
    const auto* slot = reinterpret_cast<const char*>(basic.PebBaseAddress) + kGdiTableOffset;
    std::vector<GdiEntry> entries(0x10000);
    if (!ReadProcessMemory(process, slot, &table, sizeof table, nullptr) || !table ||
        !ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(GdiEntry), nullptr))
        return -1;
    int live = 0;
    for (const GdiEntry& entry : entries)
        live += entry.type != 0;
    return live;
}

BOOL CALLBACK CountWindow(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

}  // namespace

Footprint FootprintOf(HANDLE process, DWORD processId)
{
    Footprint footprint;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* at = nullptr; VirtualQueryEx(process, at, &region, sizeof region) == sizeof region &&
                                   region.RegionSize != 0;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize)
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            footprint.privateBytes += region.RegionSize;
    footprint.gdiObjects = CountGdiObjects(process);
    for (HWND window : TopLevelWindowsOf(processId)) {
        ++footprint.windows;
        EnumChildWindows(window, CountWindow, reinterpret_cast<LPARAM>(&footprint.windows));
    }
    return footprint;
}

}  // namespace quorbel::e2e
