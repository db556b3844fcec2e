#include "tools/standin-host/EventLog.h"

#include <windows.h>

#include "framework/Handles.h"

namespace standin {

void EventLog::Write(const std::string& line) const
{
    if (path_.empty())
        return;
    // FILE_APPEND_DATA alone makes every write land at the end of the file, also when
    // another host appends to the same file between our open and our write.
    HANDLE file = CreateFileA(path_.c_str(), FILE_APPEND_DATA,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    fw::KernelObject owner(file);
    const std::string record = line + "\r\n";
    DWORD written = 0;
    WriteFile(owner.get(), record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
}

}  // namespace standin
