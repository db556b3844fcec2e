#pragma once
#include <stdexcept>

namespace quorbel::e2e {

// Thrown by the harness when the scene a test asked for cannot be set up (a program
// does not start, a window does not appear). GoogleTest reports it as a failure of the
// test, and the session's destructor still stops everything that was started.
class HarnessError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace quorbel::e2e
