#pragma once
#include <windows.h>

#include <chrono>
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
// half-way). Move-only: what is moved from has nothing left to kill, and what is assigned
// to is not killed first.
class Process {
public:
    Process() = default;
    ~Process() { Kill(); }
    Process(Process&& other) noexcept = default;
    Process& operator=(Process&& other) noexcept = default;

    // In quotes, the C runtime takes every byte of an argument as it is: no test passes
    // a quote or a backslash before one.
    static Process Start(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& workingFolder = std::string())
    {
        std::string commandLine = '"' + program + '"';
        for (const std::string& argument : arguments)
            commandLine += " \"" + argument + '"';
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        // On a loaded machine Wine now and then fails a start with an internal error that
        // the next attempt does not meet; anything else is final.
        DWORD error = ERROR_SUCCESS;
        for (DWORD attempt = 1; attempt <= 5; ++attempt) {
            error = CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info)
                        ? ERROR_SUCCESS
                        : GetLastError();
            if (error != ERROR_INTERNAL_ERROR)
                break;
            Sleep(100 * attempt);  // a back-off before trying again
        }
        if (error != ERROR_SUCCESS)
            throw HarnessError("cannot start " + program + " (error " + std::to_string(error) + ")");
        CloseHandle(info.hThread);
        Process process;
        process.process_.reset(info.hProcess);
        process.id_ = info.dwProcessId;
        return process;
    }

    DWORD Id() const { return id_; }
    HANDLE Handle() const { return process_.get(); }
    bool IsRunning() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
    bool WaitForExit(std::chrono::milliseconds timeout) const
    {
        return process_ && WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
    }
    void Kill()
    {
        if (IsRunning()) {
            TerminateProcess(process_.get(), 1);
            WaitForSingleObject(process_.get(), 10000);
        }
    }

private:
    fw::KernelObject process_;
    DWORD id_ = 0;
};

}  // namespace quorbel::e2e
