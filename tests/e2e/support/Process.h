#pragma once
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "framework/Handles.h"

namespace quorbel::e2e {

// A process this test started. The object owns the process: when it goes, so does the
// process (TerminateProcess on its own handle, then a wait for it to be gone), also when
// a test fails half-way. Move-only.
class Process {
public:
    Process() = default;
    ~Process();
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;

    // Starts `program` with `arguments` in `workingFolder` (empty: this process's). Throws
    // HarnessError when it cannot start, or for an argument that holds a double quote or
    // ends in a backslash.
    static Process Start(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& workingFolder = std::string());

    DWORD Id() const { return id_; }
    HANDLE Handle() const { return process_.get(); }
    bool IsRunning() const;

    // True when the process has ended within `timeout`.
    bool WaitForExit(std::chrono::milliseconds timeout) const;
    // True once the process waits for input with none pending (WaitForInputIdle): its
    // first window is up and its message loop runs.
    bool WaitForInputIdle(std::chrono::milliseconds timeout) const;
    // The exit code once the process has ended; nothing while it runs.
    std::optional<DWORD> ExitCode() const;

    // Ends the process at once and waits until it is gone. Does nothing when it has ended.
    void Kill();

private:
    fw::KernelObject process_;
    DWORD id_ = 0;
};

// True while a process of this id exists and has not ended.
bool ProcessIsRunning(DWORD id);

}  // namespace quorbel::e2e
