#include "tests/e2e/support/StandInHost.h"

#include <algorithm>

#include "tests/e2e/support/WindowQueries.h"
#include "tests/support/TestFiles.h"
#include "tools/standin-host/HostProtocol.h"

namespace quorbel::e2e {

namespace {

std::vector<std::string> ArgumentsFor(const HostOptions& options, const std::string& logPath)
{
    std::vector<std::string> arguments{"--log=" + logPath};
    if (!options.comboClass.empty())
        arguments.push_back("--combo-class=" + options.comboClass);
    if (options.minimized)
        arguments.push_back("--minimized");
    if (options.rect)
        arguments.push_back("--pos=" + std::to_string(options.rect->left) + "," + std::to_string(options.rect->top) +
                            "," + std::to_string(options.rect->right) + "," + std::to_string(options.rect->bottom));
    if (options.busyAfterTextMs)
        arguments.push_back("--busy-after-text=" + std::to_string(options.busyAfterTextMs));
    return arguments;
}

}  // namespace

std::vector<std::string> HostLog::Lines() const
{
    const std::string bytes = test::ReadFileBytes(path_);
    std::vector<std::string> lines;
    // A line without its end is still being written: it is not there yet.
    for (std::size_t start = 0, end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(bytes.substr(start, end - start - (end > start && bytes[end - 1] == '\r')));
    return lines;
}

std::vector<std::string> HostLog::LinesStartingWith(const std::string& prefix) const
{
    std::vector<std::string> matching;
    for (std::string& line : Lines())
        if (line.compare(0, prefix.size(), prefix) == 0)
            matching.push_back(std::move(line));
    return matching;
}

bool HostLog::WaitForLine(const std::string& line, std::chrono::milliseconds timeout) const
{
    return WaitUntil([&] {
        const std::vector<std::string> lines = Lines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }, timeout);
}

StandInHost::StandInHost(const std::string& program, const HostOptions& options,
                         const std::string& logPath, const std::string& workingFolder)
    : process_(Process::Start(program, ArgumentsFor(options, logPath), workingFolder)), log_(logPath)
{
    // Its first line, "ready", comes once its window is up.
    WaitUntil([this] { return !log_.Lines().empty() || !process_.IsRunning(); });
    for (HWND window : TopLevelWindowsOf(process_.Id()))
        if (ClassNameOf(window) == "TTOTAL_CMD")
            window_ = window;
    if (!window_ || log_.LinesStartingWith("ready").empty())
        throw HarnessError("the stand-in host did not get ready (log " + logPath + ")");
}

HWND StandInHost::CommandLineEdit() const
{
    return FindWindowExA(GetDlgItem(window_, standin::kCommandLineId), nullptr, "EDIT", nullptr);
}

bool StandInHost::Hang(DWORD milliseconds) const
{
    return SendWithTimeout(window_, standin::kHangMessage, milliseconds, 0).has_value();
}

bool StandInHost::IsAnswering(std::chrono::milliseconds timeout) const
{
    return e2e::IsAnswering(window_, timeout);
}

bool StandInHost::Close(std::chrono::milliseconds timeout)
{
    PostMessageW(window_, WM_CLOSE, 0, 0);
    return process_.WaitForExit(timeout);
}

}  // namespace quorbel::e2e
