#pragma once
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/support/StandInHost.h"
#include "tests/support/TestFiles.h"

namespace quorbel::e2e {

// What CTest hands every scenario: --quorbel= and --host=, Unix paths that Wine maps to
// drive Z:.
inline std::string Argument(const std::string& prefix)
{
    for (int i = 1; i < __argc; ++i)
        if (std::string value = __argv[i]; value.rfind(prefix, 0) == 0) {
            std::replace(value.begin(), value.end(), '/', '\\');
            return "Z:" + value.substr(prefix.size());
        }
    throw HarnessError("no " + prefix + " argument");
}

// What the bar wrote, read through the platform function the bar uses.
inline int ReadIniInt(const std::string& path, const std::string& section, const std::string& key, int fallback)
{
    return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), fallback, path.c_str()));
}

// One test's world: a fresh folder with a copy of Quorbel.exe and its INI files, the
// stand-in host and the Quorbel it started. All of it is stopped (Quorbel first, then
// the host) and the folder removed when it goes, also when the test fails.
class Session {
public:
    Session() : programFolder_(root_.File("program"))
    {
        std::error_code error;
        if (!std::filesystem::create_directory(programFolder_, error))
            throw HarnessError("cannot make the program folder " + programFolder_);
    }

    // The host runs and logs in Folder(); Quorbel.exe and its INI files are in ProgramFolder().
    const std::string& Folder() const { return root_.Path(); }
    const std::string& ProgramFolder() const { return programFolder_; }
    std::string ProgramFile(const std::string& name) const { return programFolder_ + "\\" + name; }
    std::string QuorbelIniPath() const { return ProgramFile("Quorbel.ini"); }
    std::string SubFolderIniPath() const { return ProgramFile("SubFolder2.ini"); }

    // Byte for byte (test::Crlf gives "\r\n" line ends).
    void WriteQuorbelIni(const std::string& bytes) const { test::WriteFileBytes(QuorbelIniPath(), bytes); }
    void WriteSubFolderIni(const std::string& bytes) const { test::WriteFileBytes(SubFolderIniPath(), bytes); }

    // The host's options as it takes them, such as "--pos=200,150,640,420".
    StandInHost& StartHost(std::vector<std::string> options = {})
    {
        const std::string log = root_.File("host.log");
        options.insert(options.begin(), "--log=" + log);
        host_ = std::make_unique<StandInHost>(Argument("--host="), options, log, root_.Path());
        return *host_;
    }

    // Copies Quorbel.exe into the program folder (once) and starts it there, stopping
    // the copy started before.
    Process& StartQuorbel()
    {
        const std::string source = Argument("--quorbel=");
        const std::string target = ProgramFile("Quorbel.exe");
        std::error_code error;
        if (!std::filesystem::exists(target, error) && !std::filesystem::copy_file(source, target, error))
            throw HarnessError("cannot copy " + source + " to " + target + ": " + error.message());
        quorbel_.Kill();
        quorbel_ = Process::Start(target, {}, programFolder_);
        return quorbel_;
    }
    Process& Quorbel() { return quorbel_; }

    // Waits for the bar window and for its modal loop to run (the start-up show, which
    // activates the bar, is then over); throws HarnessError when either does not come.
    HWND WaitForBar(std::chrono::milliseconds timeout = kDefaultTimeout) const
    {
        HWND bar = nullptr;
        WaitUntil([&] { return (bar = FindBarWindow(quorbel_.Id())) != nullptr || !quorbel_.IsRunning(); }, timeout);
        if (!bar)
            throw HarnessError("no bar window appeared");
        if (WaitForInputIdle(quorbel_.Handle(), static_cast<DWORD>(timeout.count())) != 0)
            throw HarnessError("the bar's message loop did not start");
        return bar;
    }

private:
    test::TempDir root_;
    std::string programFolder_;
    std::unique_ptr<StandInHost> host_;
    Process quorbel_;  // stopped first, being the last member
};

}  // namespace quorbel::e2e
