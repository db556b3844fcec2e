#include "toolbar/FolderButton.h"

namespace quorbel {

std::vector<FolderButton>& FolderButtonList()
{
    static std::vector<FolderButton> list;
    return list;
}

std::string& DroppedFolderPath()
{
    static std::string path;
    return path;
}

}  // namespace quorbel
