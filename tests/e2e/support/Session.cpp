#include "tests/e2e/support/Session.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "tests/e2e/support/WindowQueries.h"

namespace quorbel::e2e {

namespace fs = std::filesystem;

std::string Argument(const std::string& prefix)
{
    for (int i = 1; i < __argc; ++i)
        if (std::string value = __argv[i]; value.rfind(prefix, 0) == 0) {
            std::replace(value.begin(), value.end(), '/', '\\');
            return "Z:" + value.substr(prefix.size());
        }
    throw HarnessError("no " + prefix + " argument");
}

Session::Session() : programFolder_(root_.File("program"))
{
    std::error_code error;
    if (!fs::create_directory(programFolder_, error))
        throw HarnessError("cannot make the program folder " + programFolder_);
}

Session::~Session()
{
    quorbel_.Kill();
    for (auto& host : hosts_)
        host->GetProcess().Kill();
}

std::string Session::ProgramFile(const std::string& name) const
{
    return (fs::path(programFolder_) / name).string();
}

void Session::Write(const std::string& path, const std::string& bytes)
{
    if (!test::WriteFileBytes(path, bytes))
        throw HarnessError("cannot write " + path);
}

StandInHost& Session::StartHost(const HostOptions& options)
{
    const std::string program = Argument("--host=");
    const std::string log = root_.File("host-" + std::to_string(hosts_.size() + 1) + ".log");
    hosts_.push_back(std::make_unique<StandInHost>(program, options, log, root_.Path()));
    return *hosts_.back();
}

Process& Session::StartQuorbel()
{
    const std::string source = Argument("--quorbel=");
    const std::string target = ProgramFile("Quorbel.exe");
    std::error_code error;
    if (!fs::exists(target, error) && !fs::copy_file(source, target, error))
        throw HarnessError("cannot copy " + source + " to " + target + ": " + error.message());
    quorbel_ = Process::Start(target, {}, programFolder_);
    return quorbel_;
}

HWND Session::WaitForBar(std::chrono::milliseconds timeout) const
{
    HWND bar = nullptr;
    WaitUntil([&] { return (bar = FindBarWindow(quorbel_.Id())) != nullptr || !quorbel_.IsRunning(); }, timeout);
    if (!bar)
        throw HarnessError("no bar window appeared");
    if (!quorbel_.WaitForInputIdle(timeout))
        throw HarnessError("the bar's message loop did not start");
    return bar;
}

int ReadIniInt(const std::string& path, const std::string& section, const std::string& key, int fallback)
{
    return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), fallback, path.c_str()));
}

}  // namespace quorbel::e2e
