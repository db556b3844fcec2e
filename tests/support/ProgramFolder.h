#pragma once
#include <string>

#include "tests/support/TestFiles.h"

namespace quorbel::test {

// A temporary folder standing in for the program's own: IniPath() points into it for
// the life of the object, so the two INI files can be written and read as the program
// would find them.
class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();

    const std::string& Path() const { return dir_.Path(); }
    std::string MainIni() const;
    std::string SubmenuIni() const;

    // Writes a file with "\r\n" line ends from text given with "\n".
    void WriteMain(const std::string& text) const;
    void WriteSubmenu(const std::string& text) const;

private:
    TempDir dir_;
};

}  // namespace quorbel::test
