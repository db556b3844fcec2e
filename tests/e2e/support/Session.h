#pragma once
#include <windows.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/support/Process.h"
#include "tests/e2e/support/StandInHost.h"
#include "tests/e2e/support/Wait.h"
#include "tests/support/TestFiles.h"

namespace quorbel::e2e {

// One test's world: a fresh folder with a copy of Quorbel.exe and its INI files, the
// stand-in hosts and the Quorbel it started. All of it is stopped (Quorbel first, then
// the hosts) and the folder removed when it goes, also when the test fails.
class Session {
public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Hosts run and log in Folder(); Quorbel.exe and its INI files are in ProgramFolder().
    const std::string& Folder() const { return root_.Path(); }
    const std::string& ProgramFolder() const { return programFolder_; }
    std::string ProgramFile(const std::string& name) const;
    std::string QuorbelIniPath() const { return ProgramFile("Quorbel.ini"); }
    std::string SubFolderIniPath() const { return ProgramFile("SubFolder2.ini"); }

    // Byte for byte (test::Crlf gives "\r\n" line ends).
    void WriteQuorbelIni(const std::string& bytes) const { Write(QuorbelIniPath(), bytes); }
    void WriteSubFolderIni(const std::string& bytes) const { Write(SubFolderIniPath(), bytes); }

    StandInHost& StartHost(const HostOptions& options = HostOptions());

    // Copies Quorbel.exe into the program folder (once) and starts it there, stopping
    // the copy started before.
    Process& StartQuorbel();
    Process& Quorbel() { return quorbel_; }
    // Waits for the bar window and for its modal loop to run (the start-up show, which
    // activates the bar, is then over); throws HarnessError when either does not come.
    HWND WaitForBar(std::chrono::milliseconds timeout = kDefaultTimeout) const;

private:
    static void Write(const std::string& path, const std::string& bytes);

    test::TempDir root_;
    std::string programFolder_;
    std::vector<std::unique_ptr<StandInHost>> hosts_;
    Process quorbel_;
};

// What CTest hands every scenario: --quorbel= and --host=, Unix paths that Wine maps to
// drive Z:.
std::string Argument(const std::string& prefix);

// What the bar wrote, read through the platform function the bar uses.
int ReadIniInt(const std::string& path, const std::string& section, const std::string& key, int fallback);

}  // namespace quorbel::e2e
