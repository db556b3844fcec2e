#pragma once
#include <windows.h>

#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/Handles.h"

namespace quorbel::e2e {

// Thrown when the scene a test asked for cannot be set up; GoogleTest reports it as a
// failure, and the session's destructor still stops everything that was started.
class HarnessError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A process this test started, killed when the object goes (also when a test fails
// half-way). Move-only.
class Process {
public:
    Process() = default;
    ~Process();
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;

    // Throws HarnessError when it cannot start, or for an argument that holds a double
    // quote or ends in a backslash.
    static Process Start(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& workingFolder = std::string());

    DWORD Id() const { return id_; }
    HANDLE Handle() const { return process_.get(); }
    bool IsRunning() const;
    bool WaitForExit(std::chrono::milliseconds timeout) const;
    // Its first window is up and its message loop runs.
    bool WaitForInputIdle(std::chrono::milliseconds timeout) const;
    void Kill();

private:
    fw::KernelObject process_;
    DWORD id_ = 0;
};

}  // namespace quorbel::e2e
