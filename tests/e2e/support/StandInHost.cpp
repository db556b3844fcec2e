#include "tests/e2e/support/StandInHost.h"

#include <cstdlib>

#include "tests/e2e/support/HarnessError.h"
#include "tests/e2e/support/WindowQueries.h"
#include "tools/standin-host/HostProtocol.h"

namespace quorbel::e2e {

namespace {

std::vector<std::string> ArgumentsFor(const HostOptions& options, const std::string& logPath)
{
    std::vector<std::string> arguments{"--log=" + logPath};
    if (!options.title.empty())
        arguments.push_back("--title=" + options.title);
    if (!options.comboClass.empty())
        arguments.push_back("--combo-class=" + options.comboClass);
    if (options.commandLineText)
        arguments.push_back("--text=" + *options.commandLineText);
    if (options.minimized)
        arguments.push_back("--minimized");
    if (options.rect)
        arguments.push_back("--pos=" + std::to_string(options.rect->left) + "," +
                            std::to_string(options.rect->top) + "," +
                            std::to_string(options.rect->right) + "," +
                            std::to_string(options.rect->bottom));
    if (options.hangAtStartMs)
        arguments.push_back("--hang-at-start=" + std::to_string(options.hangAtStartMs));
    if (options.hangAfterMs)
        arguments.push_back("--hang-after=" + std::to_string(options.hangAfterDelayMs) + "," +
                            std::to_string(options.hangAfterMs));
    return arguments;
}

// "ready 0x1A2B" -> the window handle; null for any other line.
HWND WindowFromReadyLine(const std::string& line)
{
    static const std::string prefix = "ready 0x";
    if (line.compare(0, prefix.size(), prefix) != 0 || line.size() == prefix.size())
        return nullptr;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(line.c_str() + prefix.size(), &end, 16);
    if (*end != '\0')
        return nullptr;
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(value));
}

}  // namespace

StandInHost::StandInHost(const std::string& program, const HostOptions& options,
                         const std::string& logPath, const std::string& workingFolder)
    : process_(Process::Start(program, ArgumentsFor(options, logPath), workingFolder)), log_(logPath)
{
    const bool ready = WaitUntil([this] {
        for (const std::string& line : log_.Lines())
            if (HWND window = WindowFromReadyLine(line)) {
                window_ = window;
                return true;
            }
        return !process_.IsRunning();
    });
    if (!ready || !window_)
        throw HarnessError("the stand-in host did not get ready (log " + logPath + ")");
    if (ClassNameOf(window_) != "TTOTAL_CMD" || ProcessIdOf(window_) != process_.Id())
        throw HarnessError("the stand-in host reported a window that is not its own");
}

HWND StandInHost::CommandLine() const
{
    return GetDlgItem(window_, standin::kCommandLineId);
}

HWND StandInHost::CommandLineEdit() const
{
    return FindWindowExA(CommandLine(), nullptr, "EDIT", nullptr);
}

std::optional<std::string> StandInHost::ShownFolder() const
{
    return TextOf(GetDlgItem(window_, standin::kLeftHeaderId));
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
