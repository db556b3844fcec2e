#pragma once
#include <string>

namespace quorbel::e2e {

// What CTest hands every scenario: where the programs under test and the screenshot
// folder are, as Unix paths of this machine, already turned into Windows paths.
struct E2eArguments {
    std::string quorbel;      // Quorbel.exe (--quorbel=)
    std::string host;         // StandInHost.exe (--host=)
    std::string screenshots;  // folder for screenshots (--screenshots=, or $QUORBEL_SCREENSHOTS)
};

// Parsed once from the process's command line; gtest's own flags are left alone.
const E2eArguments& Arguments();

}  // namespace quorbel::e2e
