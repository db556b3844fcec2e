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

// One test's world: a fresh folder holding a copy of Quorbel.exe and the INI files the
// test asks for, the stand-in hosts and the Quorbel it started. Everything it started is
// stopped when it goes (Quorbel first, then the hosts, each by its own process), also
// when the test fails; then the folder is removed.
class Session {
public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The folder that holds this session's files; hosts run and log here.
    const std::string& Folder() const { return root_.Path(); }
    // The program folder: Quorbel.exe and its INI files.
    const std::string& ProgramFolder() const { return programFolder_; }
    std::string ProgramFile(const std::string& name) const;
    std::string QuorbelIniPath() const { return ProgramFile("Quorbel.ini"); }
    std::string SubFolderIniPath() const { return ProgramFile("SubFolder2.ini"); }

    // Write the files byte for byte (give "\r\n" line ends where they matter; Crlf helps).
    void WriteQuorbelIni(const std::string& bytes) const;
    void WriteSubFolderIni(const std::string& bytes) const;

    // Starts a stand-in host with its own log and waits until it is ready.
    StandInHost& StartHost(const HostOptions& options = HostOptions());
    const std::vector<std::unique_ptr<StandInHost>>& Hosts() const { return hosts_; }

    // Copies Quorbel.exe into the program folder (once) and starts it there. Starting it
    // again stops the copy started before; a second copy running at once is a Process of
    // the test's own (Process::Start with ProgramFile("Quorbel.exe")).
    Process& StartQuorbel(const std::vector<std::string>& arguments = {});
    Process& Quorbel() { return quorbel_; }
    // Waits for the bar window of the started Quorbel and for its modal loop to run (the
    // start-up show, which activates the bar, is then over); throws HarnessError when
    // either does not come.
    HWND WaitForBar(std::chrono::milliseconds timeout = kDefaultTimeout) const;

    // Stops Quorbel and then every host (what the destructor does), for tests that
    // check what happens after.
    void StopAll();

private:
    test::TempDir root_;
    std::string programFolder_;
    std::vector<std::unique_ptr<StandInHost>> hosts_;
    Process quorbel_;
};

}  // namespace quorbel::e2e
