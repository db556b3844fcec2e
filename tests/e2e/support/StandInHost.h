#pragma once
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/support/Process.h"
#include "tests/e2e/support/Wait.h"
#include "tests/e2e/support/WindowQueries.h"
#include "tests/support/TestFiles.h"
#include "tools/standin-host/HostProtocol.h"

namespace quorbel::e2e {

// How to start a stand-in host; each field maps to one of its options.
struct HostOptions {
    std::optional<RECT> rect;   // --pos: left, top, and width, height in right, bottom
    DWORD busyAfterTextMs = 0;  // --busy-after-text
};

// A running stand-in host (tools/standin-host), started and owned by a Session, and its
// log file: one event a line (format in tools/standin-host/StandInHost.cpp).
class StandInHost {
public:
    // Returns once the host has logged "ready"; throws HarnessError when it does not.
    StandInHost(const std::string& program, const HostOptions& options, const std::string& logPath,
                const std::string& workingFolder)
        : process_(Process::Start(program, ArgumentsFor(options, logPath), workingFolder)), logPath_(logPath)
    {
        // Its first line, "ready", comes once its window is up.
        WaitUntil([this] { return !LogLines().empty() || !process_.IsRunning(); });
        for (HWND window : TopLevelWindowsOf(process_.Id()))
            if (ClassNameOf(window) == "TTOTAL_CMD")
                window_ = window;
        if (!window_ || LogLinesStartingWith("ready").empty())
            throw HarnessError("the stand-in host did not get ready (log " + logPath + ")");
    }

    HWND Window() const { return window_; }
    Process& GetProcess() { return process_; }

    // The EDIT child of the command-line combo box.
    HWND CommandLineEdit() const
    {
        return FindWindowExA(GetDlgItem(window_, standin::kCommandLineId), nullptr, "EDIT", nullptr);
    }

    // Makes the host stop answering for `milliseconds`; false when it did not take the request.
    bool Hang(DWORD milliseconds) const
    {
        return SendWithTimeout(window_, standin::kHangMessage, milliseconds, 0).has_value();
    }

    // Complete lines so far, line ends removed: a line without its end is still being written.
    std::vector<std::string> LogLines() const
    {
        const std::string bytes = test::ReadFileBytes(logPath_);
        std::vector<std::string> lines;
        for (std::size_t start = 0, end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(bytes.substr(start, end - start - (end > start && bytes[end - 1] == '\r')));
        return lines;
    }

    std::vector<std::string> LogLinesStartingWith(const std::string& prefix) const
    {
        std::vector<std::string> matching;
        for (std::string& line : LogLines())
            if (line.compare(0, prefix.size(), prefix) == 0)
                matching.push_back(std::move(line));
        return matching;
    }

    bool WaitForLogLine(const std::string& line, std::chrono::milliseconds timeout = kDefaultTimeout) const
    {
        return WaitUntil([&] {
            const std::vector<std::string> lines = LogLines();
            return std::find(lines.begin(), lines.end(), line) != lines.end();
        }, timeout);
    }

private:
    static std::vector<std::string> ArgumentsFor(const HostOptions& options, const std::string& logPath)
    {
        std::vector<std::string> arguments{"--log=" + logPath};
        if (options.rect)
            arguments.push_back("--pos=" + std::to_string(options.rect->left) + "," +
                                std::to_string(options.rect->top) + "," + std::to_string(options.rect->right) +
                                "," + std::to_string(options.rect->bottom));
        if (options.busyAfterTextMs)
            arguments.push_back("--busy-after-text=" + std::to_string(options.busyAfterTextMs));
        return arguments;
    }

    Process process_;
    std::string logPath_;
    HWND window_ = nullptr;
};

}  // namespace quorbel::e2e
