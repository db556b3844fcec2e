#pragma once
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/support/Process.h"
#include "tests/e2e/support/Wait.h"

namespace quorbel::e2e {

// The stand-in host's log file: one event a line (format in tools/standin-host/StandInHost.cpp).
class HostLog {
public:
    explicit HostLog(std::string path) : path_(std::move(path)) {}

    std::vector<std::string> Lines() const;  // complete lines so far, line ends removed
    std::vector<std::string> LinesStartingWith(const std::string& prefix) const;
    bool WaitForLine(const std::string& line, std::chrono::milliseconds timeout = kDefaultTimeout) const;

private:
    std::string path_;
};

// How to start a stand-in host; each field maps to one of its options.
struct HostOptions {
    std::string comboClass;                      // --combo-class
    bool minimized = false;                      // --minimized
    std::optional<RECT> rect;                    // --pos: left, top, and width, height in right, bottom
    DWORD busyAfterTextMs = 0;                   // --busy-after-text
};

// A running stand-in host (tools/standin-host), started and owned by a Session.
class StandInHost {
public:
    // Returns once the host has logged "ready"; throws HarnessError when it does not.
    StandInHost(const std::string& program, const HostOptions& options, const std::string& logPath,
                const std::string& workingFolder);

    HWND Window() const { return window_; }
    Process& GetProcess() { return process_; }
    const HostLog& Log() const { return log_; }
    HWND CommandLineEdit() const;  // the EDIT child of the command-line combo box

    // Makes the host stop answering for `milliseconds`; false when it did not take the request.
    bool Hang(DWORD milliseconds) const;
    bool IsAnswering(std::chrono::milliseconds timeout = std::chrono::milliseconds(200)) const;
    bool Close(std::chrono::milliseconds timeout = kDefaultTimeout);  // WM_CLOSE, then waits for the end

private:
    Process process_;
    HostLog log_;
    HWND window_ = nullptr;
};

}  // namespace quorbel::e2e
