#include "tests/e2e/support/HostLog.h"

#include <algorithm>

#include "tests/support/TestFiles.h"

namespace quorbel::e2e {

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

bool HostLog::Contains(const std::string& line) const
{
    const std::vector<std::string> lines = Lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool HostLog::WaitForLine(const std::string& line, std::chrono::milliseconds timeout) const
{
    return WaitUntil([&] { return Contains(line); }, timeout);
}

}  // namespace quorbel::e2e
