// Fuzzes the building of the bar's buttons from a main INI file of any content: the
// records and faces always stand in step, every position is accounted for, and nothing
// but SubmenuKeys is ever written.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "config/ConfigNames.h"
#include "config/IniPath.h"
#include "toolbar/ButtonLoad.h"
#include "tests/fuzz/FuzzInput.h"

namespace quorbel::fuzz {
namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

const std::string& Folder()
{
    static const std::string folder = [] {
        char pattern[] = "/tmp/quorbel-fuzz-buttons-XXXXXX";
        const char* made = mkdtemp(pattern);
        return std::string(made ? made : "/tmp");
    }();
    return folder;
}

std::string Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace
}  // namespace quorbel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quorbel;
    using namespace quorbel::fuzz;
    SetProgramDirectory(Folder());
    const std::string main = IniPath(kMainIniFile);
    const std::string submenus = IniPath(kSubmenuIniFile);
    {
        std::ofstream(main, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                      static_cast<std::streamsize>(size));
        std::ofstream(submenus, std::ios::binary | std::ios::trunc) << "[k]\r\n0=a|C:\\a\r\n";
    }

    int reported = 0;
    const ButtonLoad load = LoadButtonModel([&] { ++reported; });
    Require(load.faces.size() == load.records.size());
    Require(load.records.size() <= static_cast<std::size_t>(kMaxButtons));
    Require(load.hint == load.records.empty());
    int invalid = 0;
    for (std::size_t n = 0; n < load.records.size(); ++n) {
        const FolderButton& record = load.records[n];
        const ButtonFace& face = load.faces[n];
        Require(record.valid == (record.command != 0 || !record.folderPath.empty()));
        Require(face.blank == !record.valid);
        if (record.valid) {
            Require(face.commandId == kFirstButtonCommand + static_cast<int>(n));
            Require(face.caption == record.caption);
        } else {
            ++invalid;
        }
    }
    Require(invalid == reported);

    // A second load reads what the first one wrote: the same buttons, and no new keys.
    const std::string afterFirst = Read(main);
    const ButtonLoad again = LoadButtonModel(nullptr);
    Require(again.records.size() == load.records.size());
    for (std::size_t n = 0; n < again.records.size(); ++n)
        Require(again.records[n].submenuKey == load.records[n].submenuKey || load.records[n].submenuKey.empty());
    Require(Read(main) == afterFirst);
    return 0;
}
