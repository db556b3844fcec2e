// The release zip as a user installs it: Quorbel.exe in the folder the zip was unpacked
// into (--quorbel= points there), started from elsewhere as a start menu would, glues to
// the host and keeps its settings beside itself.
#include <filesystem>

#include "tests/e2e/support/E2eTest.h"

namespace quorbel::e2e {
namespace {

class PackageTest : public E2eTest {};

TEST_F(PackageTest, UnpackedProgramGluesToTheHostAndWritesItsSettingsBesideItself)
{
    const std::filesystem::path program = Argument("--quorbel=");
    const std::filesystem::path ini = program.parent_path() / "Quorbel.ini";
    std::filesystem::remove(ini);  // a repeated run starts as unpacked
    StandInHost& host = session.StartHost();
    Process quorbel = Process::Start(program.string(), {}, session.Folder());
    HWND bar = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (bar = FindBarWindow(quorbel.Id())) != nullptr; }, 20s));

    ASSERT_TRUE(BringToForeground(host.Window()));
    const RECT hostRect = WindowRectOf(host.Window());
    EXPECT_TRUE(WaitUntil([&] {
        const RECT r = WindowRectOf(bar);
        return IsWindowVisible(bar) && r.left == hostRect.left + 100 && r.top == hostRect.top + 100;
    }));

    ASSERT_TRUE(SendWithTimeout(bar, WM_COMMAND, IDOK, 0).has_value());
    ASSERT_TRUE(quorbel.WaitForExit(kDefaultTimeout));
    EXPECT_EQ(ReadIniInt(ini.string(), "main", "x", -1), hostRect.left + 100);
}

}  // namespace
}  // namespace quorbel::e2e
