#include <windows.h>
#include <io.h>

#include "config/FileBytes.h"

namespace quorbel {

bool IsReadOnlyFile(const std::string& path)
{
    // MoveFileEx refuses to replace a read-only file on Windows, but not under every
    // emulation of it (Wine run by root ignores the attribute): ask explicitly.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool FlushFileToDisk(std::FILE* file)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle) != FALSE;
}

bool MoveFileOver(const std::string& from, const std::string& to)
{
    // Fails while another program holds the file open without FILE_SHARE_DELETE: the
    // write is then lost, which is better than a file half written.
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace quorbel
