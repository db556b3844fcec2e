#pragma once
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "tests/e2e/support/Process.h"
#include "tests/e2e/support/Wait.h"
#include "tests/e2e/support/WindowQueries.h"
#include "tests/support/TestFiles.h"
#include "tools/standin-host/HostProtocol.h"

namespace quorbel::e2e {

// A running stand-in host (tools/standin-host), started and owned by a Session with its
// own options ("--pos=", "--busy-after-text=" and the "--log=" of `logPath`), and its
// log file: one event a line (format in tools/standin-host/StandInHost.cpp).
class StandInHost {
public:
    // Returns once the host's window is up; throws HarnessError when it does not come.
    StandInHost(const std::string& program, const std::vector<std::string>& options, const std::string& logPath,
                const std::string& workingFolder)
        : process_(Process::Start(program, options, workingFolder)), logPath_(logPath)
    {
        // Its first log line, "ready" or "error", tells that its window is up or cannot be.
        WaitUntil([this] { return !LogLines().empty() || !process_.IsRunning(); });
        window_ = FindWindowA("TTOTAL_CMD", nullptr);
        if (!window_ || ProcessIdOf(window_) != process_.Id())
            throw HarnessError("the stand-in host did not get ready (log " + logPath + ")");
    }

    HWND Window() const { return window_; }
    Process& GetProcess() { return process_; }

    // The EDIT child of the command-line combo box.
    HWND CommandLineEdit() const
    {
        return FindWindowExA(GetDlgItem(window_, standin::kCommandLineId), nullptr, "EDIT", nullptr);
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

    bool WaitForLogLine(const std::string& line, std::chrono::milliseconds timeout = kDefaultTimeout) const
    {
        return WaitUntil([&] {
            const std::vector<std::string> lines = LogLines();
            return std::find(lines.begin(), lines.end(), line) != lines.end();
        }, timeout);
    }

private:
    Process process_;
    std::string logPath_;
    HWND window_ = nullptr;
};

}  // namespace quorbel::e2e
