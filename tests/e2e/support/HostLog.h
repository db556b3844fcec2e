#pragma once
#include <chrono>
#include <string>
#include <vector>

#include "tests/e2e/support/Wait.h"

namespace quorbel::e2e {

// The stand-in host's log file: one event a line (format in tools/standin-host/StandInHost.cpp).
class HostLog {
public:
    HostLog() = default;
    explicit HostLog(std::string path) : path_(std::move(path)) {}

    // Every line so far, line ends removed; empty when there is no file yet.
    std::vector<std::string> Lines() const;
    // The lines that begin with `prefix` ("return ", "command ").
    std::vector<std::string> LinesStartingWith(const std::string& prefix) const;
    bool Contains(const std::string& line) const;

    // Waits until the log holds `line` exactly.
    bool WaitForLine(const std::string& line, std::chrono::milliseconds timeout = kDefaultTimeout) const;

private:
    std::string path_;
};

}  // namespace quorbel::e2e
