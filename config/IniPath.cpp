#include "config/IniPath.h"

#include "config/MultiByteText.h"

namespace quorbel {

namespace {

struct ProgramDirectory {
    std::string path;
    char separator = '\\';
};

ProgramDirectory g_directory;
std::string (*g_moduleFileNameSource)() = nullptr;

bool FindProgramDirectory()
{
    const std::string module = g_moduleFileNameSource ? g_moduleFileNameSource() : ModuleFileName();
    // The module path is multibyte text: a trail byte that equals "\" is no separator.
    std::size_t cut = FindLastChar(module, '\\');
    char separator = '\\';
    if (cut == std::string::npos) {
        cut = FindLastChar(module, '/');
        separator = '/';
    }
    if (module.empty() || cut == std::string::npos)
        return false;
    g_directory.path = module.substr(0, cut);
    g_directory.separator = separator;
    return true;
}

}  // namespace

std::string IniPath(const char* fileName)
{
    if (g_directory.path.empty() && !FindProgramDirectory())
        return std::string();
    if (!fileName)
        return g_directory.path;
    return g_directory.path + g_directory.separator + fileName;
}

void SetProgramDirectory(std::string directory)
{
    g_directory.path = std::move(directory);
    g_directory.separator = g_directory.path.find('\\') != std::string::npos ? '\\' : '/';
}

void SetModuleFileNameSourceForTesting(std::string (*source)())
{
    g_moduleFileNameSource = source;
}

}  // namespace quorbel
