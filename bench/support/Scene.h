#pragma once
#include <string>

#include "tests/e2e/support/Session.h"
#include "tests/support/TestFiles.h"

namespace quorbel::bench {

// The main INI file of a bar with one folder button and no tray icon.
inline const char kOneButton[] = "[main]\nsize=1\nbTray=0\n[0]\nsButtonText=w\nsFolderPath=C:\\windows\nsubkey=k\n";

// Starts the stand-in host where every benchmark has it and writes the bar's files
// (given with "\n" line ends); the bar itself is left to the benchmark.
inline e2e::StandInHost& SetScene(e2e::Session& session, const std::string& main, const std::string& submenus = "")
{
    e2e::StandInHost& host = session.StartHost({"--pos=200,150,640,420"});
    session.WriteQuorbelIni(test::Crlf(main));
    if (!submenus.empty())
        session.WriteSubFolderIni(test::Crlf(submenus));
    return host;
}

}  // namespace quorbel::bench
