#pragma once
#include <string>

#include "config/ConfigNames.h"
#include "config/IniPath.h"
#include "tests/support/TestFiles.h"

namespace quorbel::test {

// A temporary folder standing in for the program's own: IniPath() points into it for
// the life of the object, so the two INI files can be written and read as the program
// would find them.
class ProgramFolder {
public:
    ProgramFolder() { SetProgramDirectory(dir_.Path()); }
    ~ProgramFolder() { SetProgramDirectory(std::string()); }

    const std::string& Path() const { return dir_.Path(); }
    std::string MainIni() const { return IniPath(kMainIniFile); }
    std::string SubmenuIni() const { return IniPath(kSubmenuIniFile); }

    // With "\r\n" line ends from text given with "\n".
    void WriteMain(const std::string& text) const { WriteFileBytes(MainIni(), Crlf(text)); }
    void WriteSubmenu(const std::string& text) const { WriteFileBytes(SubmenuIni(), Crlf(text)); }

private:
    TempDir dir_;
};

}  // namespace quorbel::test
