#pragma once

namespace quorbel::test {

// How many GDI objects this process holds. GetGuiResources answers on Windows; Wine
// leaves it a stub that returns 0, and there the count is read from the GDI handle
// table that both systems share with the process (PEB GdiSharedHandleTable).
// -1 when neither source is available.
int LiveGdiObjects();

}  // namespace quorbel::test
