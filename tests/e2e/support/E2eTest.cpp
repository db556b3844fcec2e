#include "tests/e2e/support/E2eTest.h"

#include "tests/e2e/support/Screenshot.h"

namespace quorbel::e2e {

std::string E2eTest::SaveScreenshot(const std::string& name) const
{
    return Screenshot::OfScreen().SaveUnder(CurrentTestFolderName(), name);
}

}  // namespace quorbel::e2e
