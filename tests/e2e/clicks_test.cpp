// Driving the host with the bar's buttons: "cd " and the folder typed into its command
// line, or a command number sent to its main window, and never anything else; a host
// that hangs or dies never hangs the bar.
#include "tests/e2e/support/E2eTest.h"

namespace quorbel::e2e {
namespace {

constexpr std::chrono::milliseconds kSoon = 3s;

// Sections for buttons with the given folder paths ("#n" makes a command button).
std::string Buttons(const std::vector<std::string>& targets)
{
    std::string ini = "[main]\nbTray=0\nsize=" + std::to_string(targets.size()) + "\n";
    for (std::size_t n = 0; n < targets.size(); ++n) {
        ini += "[" + std::to_string(n) + "]\nsButtonText=b" + std::to_string(n) + "\nsubkey=k" + std::to_string(n) + "\n";
        ini += targets[n][0] == '#' ? "iCommand=" + targets[n].substr(1) + "\n" : "sFolderPath=" + targets[n] + "\n";
    }
    return ini;
}

class DrivingTheHost : public E2eTest {
protected:
    // What the toolbar sends when button `n` is clicked.
    void Click(int n) const { PostMessageW(bar_, WM_COMMAND, 100 + n, 0); }
};

TEST_F(DrivingTheHost, OnlyButtonsActAndOnlyOnAnEmptyCommandLine)
{
    std::vector<std::string> targets{"C:\\Program Files", "#-7"};
    for (int n = 2; n < 102; ++n)
        targets.push_back("C:\\f" + std::to_string(n));
    StartBar(Buttons(targets), "[k2]\n0=empty|\n");
    OtherProgramWindow other;
    ASSERT_TRUE(BringToForeground(other.hwnd));

    Click(0);
    EXPECT_TRUE(host_->WaitForLogLine("return cd C:\\Program Files", kSoon)) << "typed unquoted";
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == host_->Window(); }, kSoon)) << "to take the next keys";
    Click(1);
    EXPECT_TRUE(host_->WaitForLogLine("command -7", kSoon));
    // The hint button's id, a blank button's id, button 101 (shown, not clickable).
    for (int id : {99, 0, 201})
        PostMessageW(bar_, WM_COMMAND, id, 0);
    Click(100);
    EXPECT_TRUE(host_->WaitForLogLine("return cd C:\\f100", kSoon));
    EXPECT_EQ(host_->LogLines().size(), 4u) << "ready, two folders and the command";

    // A folder menu's entry with an empty path still changes to "".
    PostMessageW(bar_, WM_BUTTON_CONTEXT, 2, 0);
    ChooseMenuItem(0);
    EXPECT_TRUE(host_->WaitForLogLine("return cd ", kSoon));

    // The user's half-typed command stays, nothing is typed, and the host stays behind.
    SendWithTimeout(host_->CommandLineEdit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("copy a b"));
    ASSERT_TRUE(BringToForeground(other.hwnd));
    Click(0);
    EXPECT_TRUE(HoldsFor([&] { return host_->LogLines().size() == 5 && GetForegroundWindow() == other.hwnd; },
                         10 * kTickPeriod));
    EXPECT_EQ(TextOf(host_->CommandLineEdit()), "copy a b");
}

// A host busy once after the first text, then hung past the bar's reply time-out, then
// killed: nothing is left half-typed, a later click works, and the bar never hangs.
TEST_F(DrivingTheHost, ABusyHungOrKilledHostNeverHangsTheBar)
{
    StartBar(Buttons({"C:\\windows", "D:\\work"}), "", {"--busy-after-text=1000"});
    for (WPARAM id : {100, 101}) {  // each click handled, and the host caught up
        SendWithTimeout(bar_, WM_COMMAND, id, 0, kSoon);
        EXPECT_TRUE(WaitUntil([&] { return TextOf(host_->CommandLineEdit()) == ""; }, kSoon)) << id;
    }
    EXPECT_TRUE(host_->WaitForLogLine("return cd D:\\work", kSoon));
    EXPECT_EQ(host_->LogLines().size(), 2u);

    // Hung past the bar's reply time-out, then killed during a click, then gone.
    ASSERT_TRUE(SendWithTimeout(host_->Window(), standin::kHangMessage, 3000));
    ASSERT_FALSE(IsAnswering(host_->Window())) << "the host must really hang for this to mean anything";
    Click(0);
    EXPECT_TRUE(HoldsFor([&] { return IsAnswering(bar_, 1s); }, 1s));
    host_->GetProcess().Kill();
    Click(1);
    EXPECT_TRUE(HoldsFor([&] { return IsAnswering(bar_, 1s); }, 1500ms));
}

}  // namespace
}  // namespace quorbel::e2e
