#include "tests/support/ProgramFolder.h"

#include "config/ConfigNames.h"
#include "config/IniPath.h"

namespace quorbel::test {

ProgramFolder::ProgramFolder()
{
    SetProgramDirectory(dir_.Path());
}

ProgramFolder::~ProgramFolder()
{
    SetProgramDirectory(std::string());
}

std::string ProgramFolder::MainIni() const
{
    return IniPath(kMainIniFile);
}

std::string ProgramFolder::SubmenuIni() const
{
    return IniPath(kSubmenuIniFile);
}

void ProgramFolder::WriteMain(const std::string& text) const
{
    WriteFileBytes(MainIni(), Crlf(text));
}

void ProgramFolder::WriteSubmenu(const std::string& text) const
{
    WriteFileBytes(SubmenuIni(), Crlf(text));
}

}  // namespace quorbel::test
