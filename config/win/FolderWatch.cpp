#include "config/win/FolderWatch.h"

#include <cstring>

namespace quorbel {

bool FolderWatch::Start(const std::string& folder)
{
    Stop();
    // Editors save in place (a write) or write a new file and rename it over the old one.
    handle_ = FindFirstChangeNotificationA(
        folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
    if (!watching())
        return false;
    folder_ = folder;
    return true;
}

void FolderWatch::Stop()
{
    // Whatever was read under this watch proves nothing about changes made without it.
    ++reports_;
    if (!watching())
        return;
    FindCloseChangeNotification(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    folder_.clear();
}

void FolderWatch::TakeSignal()
{
    // Armed again before the report counts: a change made from here on signals anew, and
    // one made before was part of this report. A platform that cannot go on watching
    // leaves the files to their stamps.
    if (!FindNextChangeNotification(handle_))
        Stop();
    ++reports_;
}

void FolderWatch::TakeReports()
{
    if (watching() && WaitForSingleObject(handle_, 0) == WAIT_OBJECT_0)
        TakeSignal();
}

bool FolderWatch::Covers(const char* path) const
{
    // Files directly in the folder; a path in another spelling is left to its stamps.
    if (!watching() || std::strncmp(path, folder_.c_str(), folder_.size()) != 0)
        return false;
    const char* name = path + folder_.size();
    return (*name == '\\' || *name == '/') && std::strpbrk(name + 1, "\\/") == nullptr;
}

FolderWatch& ProgramFolderWatch()
{
    static FolderWatch watch;
    return watch;
}

ChangeWatch* PlatformChangeWatch()
{
    return &ProgramFolderWatch();
}

}  // namespace quorbel
