#pragma once
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/support/Session.h"

namespace quorbel::e2e {

// Base fixture of the scenarios: a fresh Session per test, torn down (every process
// stopped) when the test ends, however it ends.
class E2eTest : public ::testing::Test {
protected:
    // Saves the whole screen as <screenshots>\<suite>.<test>\<name>.bmp; returns the path
    // (empty without a screenshot folder or when saving failed).
    std::string SaveScreenshot(const std::string& name) const;

    Session session;
};

}  // namespace quorbel::e2e
