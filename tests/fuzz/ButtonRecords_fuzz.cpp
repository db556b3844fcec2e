// Fuzzes the building of the bar's buttons from a main INI file of any content: the
// records and faces always stand in step, every position is accounted for, and nothing
// but SubmenuKeys is ever written.
#include "config/ConfigNames.h"
#include "config/IniPath.h"
#include "toolbar/ButtonLoad.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/support/TestFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quorbel;
    using fuzz::Require;
    static const test::TempDir folder;
    SetProgramDirectory(folder.Path());
    const std::string main = IniPath(kMainIniFile);
    test::WriteFileBytes(main, std::string(reinterpret_cast<const char*>(data), size));
    test::WriteFileBytes(IniPath(kSubmenuIniFile), "[k]\r\n0=a|C:\\a\r\n");

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
        invalid += !record.valid;
        if (record.valid)
            Require(face.commandId == kFirstButtonCommand + static_cast<int>(n) && face.caption == record.caption);
    }
    Require(invalid == reported);

    // A second load reads what the first one wrote: the same buttons, and no new keys.
    const std::string afterFirst = test::ReadFileBytes(main);
    const ButtonLoad again = LoadButtonModel(nullptr);
    Require(again.records.size() == load.records.size());
    for (std::size_t n = 0; n < again.records.size(); ++n)
        Require(again.records[n].submenuKey == load.records[n].submenuKey || load.records[n].submenuKey.empty());
    Require(test::ReadFileBytes(main) == afterFirst);
    return 0;
}
