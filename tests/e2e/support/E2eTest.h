#pragma once
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/support/Screenshot.h"
#include "tests/e2e/support/Session.h"

namespace quorbel::e2e {

// Base fixture of the scenarios: a fresh Session per test, torn down however the test ends.
class E2eTest : public ::testing::Test {
protected:
    // Saves the whole screen as <screenshots>\<suite>.<test>\<name>.bmp.
    void SaveScreenshot(const std::string& name) const
    {
        Screenshot::OfScreen().SaveUnder(CurrentTestFolderName(), name);
    }

    Session session;
};

}  // namespace quorbel::e2e
