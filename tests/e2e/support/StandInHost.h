#pragma once
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/support/HostLog.h"
#include "tests/e2e/support/Process.h"

namespace quorbel::e2e {

// How to start a stand-in host; each field maps to one of its options.
struct HostOptions {
    std::string title;                           // --title (empty: the host's default)
    std::string comboClass;                      // --combo-class (empty: TMyComboBox.UnicodeClass)
    std::optional<std::string> commandLineText;  // --text
    bool minimized = false;                      // --minimized
    std::optional<RECT> rect;                    // --pos: left, top, and width, height in right, bottom
    DWORD hangAtStartMs = 0;                     // --hang-at-start
    DWORD hangAfterDelayMs = 0;                  // --hang-after=delay,ms
    DWORD hangAfterMs = 0;
};

// A running stand-in host (tools/standin-host), started and owned by a Session.
class StandInHost {
public:
    // Starts the host logging to `logPath` and waits until it reports "ready".
    // Throws HarnessError when it does not.
    StandInHost(const std::string& program, const HostOptions& options, const std::string& logPath,
                const std::string& workingFolder);

    HWND Window() const { return window_; }
    Process& GetProcess() { return process_; }
    const Process& GetProcess() const { return process_; }
    const HostLog& Log() const { return log_; }

    // The command-line combo box and its EDIT child, found by the control id the host gives them.
    HWND CommandLine() const;
    HWND CommandLineEdit() const;
    // What the left (active) panel shows as its folder.
    std::optional<std::string> ShownFolder() const;

    // Makes the host stop answering for `milliseconds`; returns once it has stopped
    // (false when it did not answer the request).
    bool Hang(DWORD milliseconds) const;
    bool IsAnswering(std::chrono::milliseconds timeout = std::chrono::milliseconds(200)) const;

    // Closes the main window and waits for the process to end; false when it did not.
    bool Close(std::chrono::milliseconds timeout = kDefaultTimeout);

private:
    Process process_;
    HostLog log_;
    HWND window_ = nullptr;
};

}  // namespace quorbel::e2e
