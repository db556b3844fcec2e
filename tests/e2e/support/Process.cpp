#include "tests/e2e/support/Process.h"

namespace quorbel::e2e {

namespace {

constexpr DWORD kKillWaitMs = 10000;

// In quotes, the C runtime takes every byte of an argument as it is, except a quote or
// backslashes before one: no test needs those, so they are refused rather than escaped.
std::string Quoted(const std::string& argument)
{
    if (argument.find('"') != std::string::npos || (!argument.empty() && argument.back() == '\\'))
        throw HarnessError("cannot pass on the argument " + argument);
    return '"' + argument + '"';
}

}  // namespace

Process::~Process() { Kill(); }

Process::Process(Process&& other) noexcept : process_(std::move(other.process_)), id_(std::exchange(other.id_, 0)) {}

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
    std::string commandLine = Quoted(program);
    for (const std::string& argument : arguments)
        commandLine += ' ' + Quoted(argument);
    std::vector<char> buffer(commandLine.c_str(), commandLine.c_str() + commandLine.size() + 1);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // On a loaded machine Wine now and then fails a start with an internal error that the
    // next attempt does not meet; anything else is final.
    DWORD error = ERROR_SUCCESS;
    for (DWORD attempt = 1; attempt <= 5; ++attempt) {
        error = CreateProcessA(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
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

bool Process::IsRunning() const
{
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool Process::WaitForExit(std::chrono::milliseconds timeout) const
{
    return process_ && WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

bool Process::WaitForInputIdle(std::chrono::milliseconds timeout) const
{
    return process_ && ::WaitForInputIdle(process_.get(), static_cast<DWORD>(timeout.count())) == 0;
}

void Process::Kill()
{
    if (IsRunning()) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), kKillWaitMs);
    }
}

}  // namespace quorbel::e2e
