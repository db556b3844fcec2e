#include "app/win/SettingsWatch.h"

#include "config/IniPath.h"
#include "config/win/FolderWatch.h"

namespace quorbel {

SettingsWatch::SettingsWatch()
{
    if (ProgramFolderWatch().Start(IniPath(nullptr)))
        fw::WaitInMessageLoops(*this);
}

SettingsWatch::~SettingsWatch()
{
    fw::StopWaitingInMessageLoops(*this);
    ProgramFolderWatch().Stop();
}

HANDLE SettingsWatch::WaitHandle() const
{
    return ProgramFolderWatch().Handle();
}

void SettingsWatch::OnSignalled()
{
    ProgramFolderWatch().TakeSignal();
}

}  // namespace quorbel
