#include "tests/e2e/support/Process.h"

#include <vector>

#include "tests/e2e/support/HarnessError.h"

namespace quorbel::e2e {

namespace {
// How long a killed process may take to be gone before we stop waiting for it.
constexpr DWORD kKillWaitMs = 10000;
}

Process::~Process()
{
    Kill();
}

Process::Process(Process&& other) noexcept
    : process_(std::move(other.process_)), id_(std::exchange(other.id_, 0))
{
}

Process& Process::operator=(Process&& other) noexcept
{
    if (this != &other) {
        Kill();
        process_ = std::move(other.process_);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

Process Process::Start(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingFolder)
{
    std::string commandLine = BuildCommandLine(program, arguments);
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // On a loaded machine Wine now and then fails a start with an internal error that the
    // next attempt does not meet; anything else is final.
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (CreateProcessA(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info)) {
            error = ERROR_SUCCESS;
            break;
        }
        error = GetLastError();
        if (error != ERROR_INTERNAL_ERROR)
            break;
        Sleep(100 * static_cast<DWORD>(attempt + 1));  // a back-off before trying again
    }
    if (error != ERROR_SUCCESS)
        throw HarnessError("cannot start " + program + " (error " + std::to_string(error) + ")");
    CloseHandle(info.hThread);

    Process process;
    process.process_.reset(info.hProcess);
    process.id_ = info.dwProcessId;
    return process;
}

bool Process::IsRunning() const
{
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool Process::WaitForExit(std::chrono::milliseconds timeout) const
{
    return process_ &&
           WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

bool Process::WaitForInputIdle(std::chrono::milliseconds timeout) const
{
    return process_ &&
           ::WaitForInputIdle(process_.get(), static_cast<DWORD>(timeout.count())) == 0;
}

std::optional<DWORD> Process::ExitCode() const
{
    if (!process_ || IsRunning())
        return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.get(), &code))
        return std::nullopt;
    return code;
}

void Process::Kill()
{
    if (!process_)
        return;
    if (IsRunning()) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), kKillWaitMs);
    }
}

bool ProcessIsRunning(DWORD id)
{
    fw::KernelObject process(OpenProcess(SYNCHRONIZE, FALSE, id));
    return process && WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT;
}

std::string QuoteArgument(const std::string& argument)
{
    if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos)
        return argument;
    // Backslashes are literal except before a quote, where each one must be doubled
    // (see "Parsing C++ command-line arguments" in the C runtime documentation). The
    // runtime steps over double-byte characters, so a trail byte 0x5C is no backslash.
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (std::size_t i = 0; i < argument.size(); ++i) {
        const char c = argument[i];
        if (IsDBCSLeadByte(static_cast<BYTE>(c)) && i + 1 < argument.size()) {
            quoted.append(backslashes, '\\');
            backslashes = 0;
            quoted += c;
            quoted += argument[++i];
            continue;
        }
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"')
            quoted.append(backslashes * 2 + 1, '\\');
        else
            quoted.append(backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    quoted += '"';
    return quoted;
}

std::string BuildCommandLine(const std::string& program, const std::vector<std::string>& arguments)
{
    std::string line = QuoteArgument(program);
    for (const std::string& argument : arguments)
        line += ' ' + QuoteArgument(argument);
    return line;
}

}  // namespace quorbel::e2e
