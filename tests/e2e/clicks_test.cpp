// Driving the host with the bar's buttons: "cd " and the folder typed into its command
// line, or a command number sent to its main window, and never anything else.
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

    static std::size_t Typed(const StandInHost& host) { return host.Log().LinesStartingWith("return").size(); }
};

TEST_F(DrivingTheHost, OnlyButtonsActAndOnlyTheHostFoundFirstWithAnEmptyCommandLine)
{
    std::vector<std::string> targets{"C:\\Program Files", "#-7"};
    for (int n = 2; n < 102; ++n)
        targets.push_back("C:\\f" + std::to_string(n));
    targets[3] = "";  // neither folder nor command: a section the bar rejects
    StandInHost& host = session.StartHost();
    session.WriteQuorbelIni(test::Crlf(Buttons(targets)));
    session.WriteSubFolderIni(test::Crlf("[k2]\n0=empty|\n"));
    session.StartQuorbel();
    // The rejected section is reported once; the bar comes after.
    const HWND box = WaitForDialog();
    ASSERT_NE(box, nullptr);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    bar_ = session.WaitForBar();

    Click(0);
    EXPECT_TRUE(host.Log().WaitForLine("return cd C:\\Program Files", kSoon)) << "typed unquoted";
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == host.Window(); }, kSoon)) << "to take the next keys";
    Click(1);
    EXPECT_TRUE(host.Log().WaitForLine("command -7", kSoon));
    // The hint button's id, a blank button's id, button 101 (shown, not clickable), the blank position.
    for (int id : {99, 0, 201, 103})
        PostMessageW(bar_, WM_COMMAND, id, 0);
    Click(100);
    EXPECT_TRUE(host.Log().WaitForLine("return cd C:\\f100", kSoon));
    EXPECT_EQ(Typed(host), 2u);

    // A folder menu's entry with an empty path still changes to "".
    PostMessageW(bar_, WM_BUTTON_CONTEXT, 2, 0);
    ChooseMenuItem(0);
    EXPECT_TRUE(host.Log().WaitForLine("return cd ", kSoon));

    // The user's half-typed command stays, nothing is typed, and the host stays behind.
    SendWithTimeout(host.CommandLineEdit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("copy a b"));
    OtherProgramWindow other;
    ASSERT_TRUE(BringToForeground(other.hwnd));
    Click(0);
    EXPECT_TRUE(HoldsFor([&] { return Typed(host) == 3 && GetForegroundWindow() == other.hwnd; }, 10 * kTickPeriod));
    EXPECT_EQ(TextOf(host.CommandLineEdit()), "copy a b");
    SendWithTimeout(host.CommandLineEdit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));

    // Of two hosts, only the one FindWindowA finds is driven.
    StandInHost& second = session.StartHost();
    StandInHost& driven = FindWindowA("TTOTAL_CMD", nullptr) == host.Window() ? host : second;
    Click(4);
    EXPECT_TRUE(driven.Log().WaitForLine("return cd C:\\f4", kSoon));
    EXPECT_TRUE(HoldsFor([&] { return Typed(host) + Typed(second) == 4; }, 4 * kTickPeriod));

    // No host at all: nothing happens and the bar goes on.
    ASSERT_TRUE(host.Close() && second.Close());
    Click(0);
    Click(1);
    EXPECT_TRUE(HoldsFor([&] { return IsAnswering(bar_) && session.Quorbel().IsRunning(); }, 6 * kTickPeriod));
}

// Hosts that differ in what the bar must cope with, each with a bar of its own.
TEST_F(DrivingTheHost, WhateverTheComboClassWindowStateOrPaceOfTheHost)
{
    const struct {
        const char* name;
        HostOptions options;
        DWORD hangMs;  // busy for a moment, well within what the bar waits for an answer
        std::vector<std::string> targets;
        std::vector<std::string> lines;
    } cases[] = {
        {"TComboBox", {"TComboBox", false, {}, 0}, 0, {"C:\\users"}, {"return cd C:\\users"}},
        {"minimised and slow", {"", true, {}, 0}, 250, {"C:\\windows", "#2001"}, {"return cd C:\\windows", "command 2001"}},
        // Busy longer than the bar waits, with the first text typed: nothing is left behind.
        {"half-typed command", {"", false, {}, 1000}, 0, {"C:\\windows", "D:\\work"}, {"return cd D:\\work"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session own;
        StandInHost& host = own.StartHost(c.options);
        own.WriteQuorbelIni(test::Crlf(Buttons(c.targets)));
        own.StartQuorbel();
        const HWND bar = own.WaitForBar();
        ASSERT_TRUE(!c.hangMs || host.Hang(c.hangMs));
        for (std::size_t n = 0; n < c.targets.size(); ++n) {  // each click handled, and the host caught up
            SendWithTimeout(bar, WM_COMMAND, 100 + n, 0, kSoon);
            EXPECT_TRUE(WaitUntil([&] { return TextOf(host.CommandLineEdit()) == ""; }, kSoon)) << n;
        }
        for (const std::string& line : c.lines)
            EXPECT_TRUE(host.Log().WaitForLine(line, kSoon)) << line;
        EXPECT_EQ(Typed(host) + host.Log().LinesStartingWith("command").size(), c.lines.size()) << "only these";
    }
}

TEST_F(DrivingTheHost, CodePage932PathWithABackslashTrailByteIsTypedUnchanged)
{
    if (GetACP() != 932)
        GTEST_SKIP() << "runs under code page 932 (LC_ALL=ja_JP.UTF-8)";
    // 0x95 0x5C is one character whose second byte equals "\".
    const std::string path = "C:\\\x95\x5C\\data";
    StartBar(Buttons({path}));
    Click(0);
    EXPECT_TRUE(host_->Log().WaitForLine("return cd " + path, kSoon));
}

}  // namespace
}  // namespace quorbel::e2e
