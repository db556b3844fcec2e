#include "tests/support/win/GdiObjects.h"

#include <windows.h>
#include <winternl.h>

#include <cstdint>

namespace quorbel::test {

namespace {

// One cell of the shared handle table; the same 24 (x64) or 16 (x86) bytes on Windows
// and Wine. A cell with a type in use holds a live object.
struct GdiHandleCell {
    void* kernelObject;
    std::uint16_t processId;
    std::uint16_t count;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    void* userObject;
};

constexpr int kTableCells = 0x10000;
// PEB::GdiSharedHandleTable, which winternl.h leaves among its reserved fields.
constexpr std::size_t kTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;

int CountTableCells()
{
    const auto* peb = reinterpret_cast<const std::uint8_t*>(NtCurrentTeb()->ProcessEnvironmentBlock);
    const auto* table = *reinterpret_cast<const GdiHandleCell* const*>(peb + kTableOffset);
    if (!table)
        return -1;
    const DWORD self = GetCurrentProcessId();
    int live = 0;
    for (int i = 0; i < kTableCells; ++i) {
        // Windows lists every process's objects; Wine's table is the process's own and
        // may leave the owner blank.
        if (table[i].type != 0 && (table[i].processId == 0 || table[i].processId == (self & 0xFFFF)))
            ++live;
    }
    return live;
}

}  // namespace

int LiveGdiObjects()
{
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0)
        return static_cast<int>(reported);
    return CountTableCells();
}

}  // namespace quorbel::test
