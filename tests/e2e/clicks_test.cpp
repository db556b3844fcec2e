// Left clicks on the bar's buttons drive the stand-in host: "cd " and the folder typed
// into its command line, or a command number sent to its main window.
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
        if (!targets[n].empty() && targets[n][0] == '#')
            ini += "iCommand=" + targets[n].substr(1) + "\n";
        else
            ini += "sFolderPath=" + targets[n] + "\n";
    }
    return test::Crlf(ini);
}

class ClicksTest : public E2eTest {
protected:
    HWND StartButtons(const std::vector<std::string>& targets)
    {
        session.WriteQuorbelIni(Buttons(targets));
        session.StartQuorbel();
        return session.WaitForBar();
    }

    // What the toolbar sends when button `n` is clicked.
    static void ClickButton(HWND bar, int n) { PostMessageW(bar, WM_COMMAND, 100 + n, 0); }
};

// Each host option the bar must cope with; every button is clicked in turn.
TEST_F(ClicksTest, ButtonsDriveTheHostWhateverItsComboClassWindowStateOrPace)
{
    const struct {
        const char* name;
        const char* comboClass;  // empty: the host's default
        bool minimized;
        std::vector<std::string> targets;
        std::vector<std::string> lines;
        DWORD hangMs;  // busy for a moment, well within what the bar waits for an answer
        DWORD busyAfterTextMs = 0;  // longer than the bar waits, with the first text typed
    } cases[] = {
        {"folders, typed unquoted", "", false, {"C:\\Program Files", "D:\\work"},
         {"return cd C:\\Program Files", "return cd D:\\work"}, 0},
        {"command numbers", "", false, {"#2001", "#-7"}, {"command 2001", "command -7"}, 0},
        {"TComboBox", "TComboBox", false, {"C:\\users"}, {"return cd C:\\users"}, 0},
        {"minimised", "", true, {"C:\\windows"}, {"return cd C:\\windows"}, 0},
        {"slow host", "", false, {"C:\\windows"}, {"return cd C:\\windows"}, 250},
        {"half-typed command", "", false, {"C:\\windows", "D:\\work"}, {"return cd D:\\work"}, 0, 1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session own;
        HostOptions options;
        options.comboClass = c.comboClass;
        options.minimized = c.minimized;
        options.busyAfterTextMs = c.busyAfterTextMs;
        StandInHost& host = own.StartHost(options);
        own.WriteQuorbelIni(Buttons(c.targets));
        own.StartQuorbel();
        const HWND bar = own.WaitForBar();
        if (c.hangMs) {
            ASSERT_TRUE(host.Hang(c.hangMs));
        }
        for (std::size_t n = 0; n < c.targets.size(); ++n) {  // each click handled, and the host caught up
            SendWithTimeout(bar, WM_COMMAND, 100 + n, 0, kSoon);
            EXPECT_TRUE(WaitUntil([&] { return TextOf(host.CommandLineEdit()) == ""; }, kSoon)) << n;
        }
        for (const std::string& line : c.lines)
            EXPECT_TRUE(host.Log().WaitForLine(line, kSoon)) << line;
        EXPECT_EQ(host.Log().LinesStartingWith("return").size(), c.lines[0][0] == 'r' ? c.lines.size() : 0u);
        if (&c == cases) {  // the host is in front afterwards, to take the user's next keys
            EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == host.Window(); }, kSoon));
        }
    }
}

TEST_F(ClicksTest, TextInTheCommandLineIsLeftAloneAndNothingIsTyped)
{
    HostOptions options;
    options.commandLineText = "copy a b";
    StandInHost& host = session.StartHost(options);
    const HWND bar = StartButtons({"C:\\windows"});
    ClickButton(bar, 0);
    EXPECT_TRUE(HoldsFor([&] { return host.Log().LinesStartingWith("return").empty(); }, 10 * kTickPeriod));
    EXPECT_EQ(TextOf(host.CommandLineEdit()), "copy a b");
}

TEST_F(ClicksTest, OfTwoHostsOnlyTheOneFoundFirstIsDriven)
{
    StandInHost& a = session.StartHost();
    StandInHost& b = session.StartHost();
    const HWND bar = StartButtons({"C:\\windows"});
    const HWND found = FindWindowA("TTOTAL_CMD", nullptr);
    ASSERT_TRUE(found == a.Window() || found == b.Window());
    StandInHost& driven = found == a.Window() ? a : b;
    StandInHost& other = found == a.Window() ? b : a;
    ClickButton(bar, 0);
    EXPECT_TRUE(driven.Log().WaitForLine("return cd C:\\windows", kSoon));
    EXPECT_TRUE(HoldsFor([&] { return other.Log().LinesStartingWith("return").empty(); }, 4 * kTickPeriod));
}

TEST_F(ClicksTest, NoHostMeansNothingHappensAndTheBarGoesOn)
{
    const HWND bar = StartButtons({"C:\\windows", "#5"});
    ClickButton(bar, 0);
    ClickButton(bar, 1);
    EXPECT_TRUE(HoldsFor([&] { return IsAnswering(bar) && session.Quorbel().IsRunning(); }, 6 * kTickPeriod));
}

TEST_F(ClicksTest, OnlyCommandIdsOfButtonsActAndBlankButtonsDoNothing)
{
    StandInHost& host = session.StartHost();
    std::vector<std::string> targets;
    for (int n = 0; n < 102; ++n)
        targets.push_back("C:\\f" + std::to_string(n));
    targets[3] = "";  // a section the bar rejects: a blank button
    session.WriteQuorbelIni(Buttons(targets));
    session.StartQuorbel();
    // The rejected section is reported once; the bar comes after.
    ASSERT_TRUE(WaitUntil([&] {
        for (HWND box : DialogsOf(session.Quorbel().Id()))
            if (IsWindowVisible(box) && FindBarWindow(session.Quorbel().Id()) != box) {
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                return true;
            }
        return false;
    }));
    const HWND bar = session.WaitForBar();
    PostMessageW(bar, WM_COMMAND, 99, 0);   // the hint button's id
    PostMessageW(bar, WM_COMMAND, 0, 0);    // a blank button's id
    PostMessageW(bar, WM_COMMAND, 201, 0);  // button 101: shown, not clickable
    ClickButton(bar, 3);                    // the blank position
    EXPECT_TRUE(HoldsFor([&] { return host.Log().LinesStartingWith("return").empty(); }, 8 * kTickPeriod));
    ClickButton(bar, 100);
    EXPECT_TRUE(host.Log().WaitForLine("return cd C:\\f100", kSoon));
}

TEST_F(ClicksTest, CodePage932PathWithABackslashTrailByteIsTypedUnchanged)
{
    if (GetACP() != 932)
        GTEST_SKIP() << "runs under code page 932 (LC_ALL=ja_JP.UTF-8)";
    // 0x95 0x5C is one character whose second byte equals "\".
    const std::string path = "C:\\\x95\x5C\\data";
    StandInHost& host = session.StartHost();
    const HWND bar = StartButtons({path});
    ClickButton(bar, 0);
    EXPECT_TRUE(host.Log().WaitForLine("return cd " + path, kSoon));
}

}  // namespace
}  // namespace quorbel::e2e
