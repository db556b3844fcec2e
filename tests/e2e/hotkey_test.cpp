// The menu hotkey in the running program, pressed on the X server as a user would: over
// the host it opens the bar's buttons below the first one; over another program it is
// not the bar's; taken out of the file it is let go.
#include "tests/e2e/support/E2eTest.h"

namespace quorbel::e2e {
namespace {

const std::string kButtons = "[0]\nsButtonText=Work\nsFolderPath=C:\\work\nsubkey=k0\n[1]\niCommand=2001\nsubkey=k1\n";

void PressKeys(std::vector<std::string> keys)
{
    keys.insert(keys.begin(), "key");
    Process::Start("Z:\\usr\\bin\\xdotool", keys);
}

bool CombinationIsFree()
{
    return RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'Q') && UnregisterHotKey(nullptr, 1);
}

class HotkeyTest : public E2eTest {};

TEST_F(HotkeyTest, OpensTheBarsFoldersOverTheHostOnly)
{
    StartBar("[main]\nsize=2\nbTray=0\nsMenuHotkey=Ctrl+Alt+Q\n" + kButtons, "[k0]\n0=src|C:\\src\n1=-|\n2=docs|C:\\docs\n");
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(bar_) && !CombinationIsFree(); }));
    const auto choose = [&](const std::vector<std::string>& keys) {
        const RECT first = ToolbarButtonRect(Toolbar(), 0).value_or(RECT{});
        PressKeys({"ctrl+alt+q"});
        HWND menu = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (menu = FindOpenMenu()) != nullptr; }));
        EXPECT_EQ(std::make_pair(WindowRectOf(menu).left, WindowRectOf(menu).top), std::make_pair(first.left, first.bottom));
        PressKeys(keys);
        EXPECT_TRUE(WaitUntil([&] { return !FindOpenMenu() && GetForegroundWindow() == host_->Window(); }));
    };
    choose({"Down", "Right", "Down", "Return"});  // over the separator
    EXPECT_TRUE(host_->WaitForLogLine("return cd C:\\docs"));
    choose({"Down", "Down", "Return"});
    EXPECT_TRUE(host_->WaitForLogLine("command 2001"));
    choose({"Escape"});
    EXPECT_EQ(host_->LogLines().size(), 3u) << "ready, the folder and the command";

    // Another program in front: the bar hides and lets go of the keys.
    const OtherProgramWindow other;
    ASSERT_TRUE(BringToForeground(other.hwnd));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(bar_); }));
    EXPECT_TRUE(WaitUntil(CombinationIsFree));
    PressKeys({"ctrl+alt+q"});
    EXPECT_TRUE(HoldsFor([] { return FindOpenMenu() == nullptr; }, 20 * kTickPeriod));

    // The bar's again at its next showing, until the file no longer names them.
    ASSERT_TRUE(BringToForeground(host_->Window()));
    EXPECT_TRUE(WaitUntil([&] { return !CombinationIsFree(); }));
    session.WriteQuorbelIni(test::Crlf("[main]\nsize=2\nbTray=0\n" + kButtons));
    EXPECT_TRUE(WaitUntil([&] { return CombinationIsFree(); }));
}

}  // namespace
}  // namespace quorbel::e2e
