#pragma once
#include <windows.h>

#include <cstdint>

namespace quorbel::e2e {

// What a process holds, measured from outside by means that work under Wine too (which
// answers GetGuiResources and the private-bytes counter with 0).
struct Footprint {
    std::uint64_t privateBytes = 0;  // committed private memory (VirtualQueryEx)
    int gdiObjects = -1;             // live entries of its GDI handle table; -1 when unreadable
    int windows = 0;                 // its top-level windows and their descendants
};

Footprint FootprintOf(HANDLE process, DWORD processId);

}  // namespace quorbel::e2e
