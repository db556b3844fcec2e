#pragma once
#include <string>

namespace quorbel::e2e {

// What CTest hands every scenario (--quorbel=, --host=, --screenshots= or
// $QUORBEL_SCREENSHOTS), Unix paths turned into Windows ones.
struct E2eArguments {
    std::string quorbel;
    std::string host;
    std::string screenshots;
};

const E2eArguments& Arguments();

}  // namespace quorbel::e2e
