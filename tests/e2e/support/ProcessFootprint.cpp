#include "tests/e2e/support/ProcessFootprint.h"

#include <winternl.h>

#include <vector>

#include "tests/e2e/support/WindowQueries.h"

namespace quorbel::e2e {

namespace {

// The GDI handle table the process environment block points at: 65536 entries, each a
// kernel pointer, four 16-bit fields (owner, count, upper half of the handle, type) and a
// user pointer. A type of 0 marks a free entry.
struct GdiEntry {
    void* kernel;
    USHORT owner;
    USHORT count;
    USHORT upper;
    USHORT type;
    void* user;
};
constexpr std::size_t kGdiEntries = 0x10000;
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
    if (!ReadProcessMemory(process, slot, &table, sizeof table, nullptr) || !table)
        return -1;
    std::vector<GdiEntry> entries(kGdiEntries);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(GdiEntry), nullptr))
        return -1;
    int live = 0;
    for (const GdiEntry& entry : entries)
        live += entry.type != 0;
    return live;
}

std::uint64_t CommittedPrivateBytes(HANDLE process)
{
    std::uint64_t total = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* at = nullptr; VirtualQueryEx(process, at, &region, sizeof region) == sizeof region;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            total += region.RegionSize;
        if (region.RegionSize == 0)
            break;
    }
    return total;
}

BOOL CALLBACK CountChild(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

}  // namespace

Footprint FootprintOf(HANDLE process, DWORD processId)
{
    Footprint footprint;
    footprint.privateBytes = CommittedPrivateBytes(process);
    footprint.gdiObjects = CountGdiObjects(process);
    for (HWND window : TopLevelWindowsOf(processId)) {
        ++footprint.windows;
        EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&footprint.windows));
    }
    return footprint;
}

}  // namespace quorbel::e2e
