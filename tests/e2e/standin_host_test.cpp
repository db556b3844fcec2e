// The stand-in host, driven from another process exactly as the bar drives the real file
// manager: found by its class, its command line found among its descendants, "cd " and a
// path typed into it with edit messages, and command numbers sent to its main window.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/support/E2eArguments.h"
#include "tests/e2e/support/E2eTest.h"
#include "tests/e2e/support/Input.h"
#include "tests/e2e/support/WindowQueries.h"
#include "tools/standin-host/HostProtocol.h"

namespace quorbel::e2e {
namespace {

using Lines = std::vector<std::string>;

constexpr UINT kRunCommand = WM_USER + 51;

// The bar's test for the command line: a combo box of either class, compared ignoring
// case, whose first EDIT child is empty.
struct CommandLineSearch {
    HWND found = nullptr;
};

BOOL CALLBACK FindEmptyCommandLine(HWND child, LPARAM data)
{
    const std::string name = ClassNameOf(child);
    if (lstrcmpiA(name.c_str(), "tcombobox") != 0 &&
        lstrcmpiA(name.c_str(), "TMyComboBox.UnicodeClass") != 0)
        return TRUE;
    HWND edit = FindWindowExA(child, nullptr, "EDIT", nullptr);
    if (!edit || GetWindowTextLengthA(edit) != 0)
        return TRUE;
    reinterpret_cast<CommandLineSearch*>(data)->found = child;
    return FALSE;
}

HWND FindHostCommandLine(HWND host)
{
    CommandLineSearch search;
    EnumChildWindows(host, FindEmptyCommandLine, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Types "cd <path>" and Return into the command line of the host FindWindowA finds, the
// way the bar does. False when there is no host or no empty command line.
bool ChangeDirectoryLikeTheBar(const std::string& path)
{
    HWND host = FindWindowA("TTOTAL_CMD", nullptr);
    if (!host)
        return false;
    HWND combo = FindHostCommandLine(host);
    HWND edit = combo ? FindWindowExA(combo, nullptr, "EDIT", nullptr) : nullptr;
    if (!edit)
        return false;
    const std::string text = "cd " + path;
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
    SendMessageA(edit, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    Sleep(10);  // the bar's own pause between key-down and key-up
    SendMessageA(edit, WM_KEYUP, VK_RETURN, 0);
    return true;
}

void SendCommandLikeTheBar(int command)
{
    if (HWND host = FindWindowA("TTOTAL_CMD", nullptr))
        SendMessageA(host, kRunCommand, static_cast<WPARAM>(command), 0);
}

std::string ReadyLine(const StandInHost& host)
{
    char line[64];
    std::snprintf(line, sizeof line, "ready 0x%llX",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(host.Window())));
    return line;
}

class StandInHostTest : public E2eTest {};

TEST_F(StandInHostTest, IsFoundAsTheBarFindsItWithAnEmptyCommandLine)
{
    StandInHost& host = session.StartHost();

    EXPECT_EQ(FindWindowA("TTOTAL_CMD", nullptr), host.Window());
    EXPECT_EQ(ClassNameOf(host.CommandLine()), "TMyComboBox.UnicodeClass");
    EXPECT_EQ(FindHostCommandLine(host.Window()), host.CommandLine());
    EXPECT_EQ(TextOf(host.CommandLineEdit()), std::string());
    EXPECT_EQ(host.Log().Lines(), Lines{ReadyLine(host)});
}

TEST_F(StandInHostTest, LogsTypedCommandsExactlyAndEmptiesItsCommandLine)
{
    StandInHost& host = session.StartHost();
    struct Case {
        std::string path;
        std::string shownFolder;  // what the left panel shows afterwards
    };
    const std::vector<Case> cases{
        {"C:\\Program Files", "C:\\Program Files"},  // spaces go unquoted
        {"C:\\", "C:\\"},
        {"", "C:\\"},                                // "cd " alone: the panel stays
        {"Z:\\no such\\folder;a&b \"q\"", "Z:\\no such\\folder;a&b \"q\""},
        {"C:\\windows", "C:\\windows"},
    };

    Lines expected{ReadyLine(host)};
    for (const Case& c : cases) {
        SCOPED_TRACE("path \"" + c.path + "\"");
        ASSERT_TRUE(ChangeDirectoryLikeTheBar(c.path));
        expected.push_back("return cd " + c.path);
        // The sends are synchronous: the host has logged before the last one returns.
        EXPECT_EQ(host.Log().Lines(), expected);
        EXPECT_EQ(TextOf(host.CommandLineEdit()), std::string());
        EXPECT_EQ(host.ShownFolder(), c.shownFolder);
    }
}

TEST_F(StandInHostTest, LogsCommandNumbersAsSignedIntegers)
{
    StandInHost& host = session.StartHost();
    for (int command : {2001, 540, -1, 2147483647})
        SendCommandLikeTheBar(command);

    EXPECT_EQ(host.Log().LinesStartingWith("command "),
              (Lines{"command 2001", "command 540", "command -1", "command 2147483647"}));
}

TEST_F(StandInHostTest, TakesARealReturnKeyPressInItsCommandLine)
{
    StandInHost& host = session.StartHost();
    ASSERT_TRUE(BringToForeground(host.Window()));
    ASSERT_TRUE(WaitUntil([&] { return FocusInThreadOf(host.Window()) == host.CommandLineEdit(); }));

    TypeText(L"cd C:\\users");
    ASSERT_TRUE(WaitUntil([&] { return TextOf(host.CommandLineEdit()) == "cd C:\\users"; }));
    // While someone types, the bar must leave the command line alone.
    EXPECT_EQ(FindHostCommandLine(host.Window()), nullptr);
    PressKey(VK_RETURN);

    ASSERT_TRUE(host.Log().WaitForLine("return cd C:\\users"));
    EXPECT_EQ(TextOf(host.CommandLineEdit()), std::string());
    EXPECT_EQ(host.ShownFolder(), "C:\\users");
}

class CommandLineClassTest : public E2eTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(CommandLineClassTest, IsAComboWithAnEditChildUnderTheGivenClassName)
{
    HostOptions options;
    options.comboClass = GetParam();
    StandInHost& host = session.StartHost(options);

    EXPECT_EQ(ClassNameOf(host.CommandLine()), GetParam());
    EXPECT_EQ(FindHostCommandLine(host.Window()), host.CommandLine());
    ASSERT_TRUE(ChangeDirectoryLikeTheBar("C:\\windows"));
    EXPECT_EQ(host.Log().LinesStartingWith("return "), Lines{"return cd C:\\windows"});
}

INSTANTIATE_TEST_SUITE_P(Classes, CommandLineClassTest,
                         ::testing::Values("TMyComboBox.UnicodeClass", "TComboBox", "TCOMBOBOX",
                                           "tmycombobox.unicodeclass"));

TEST_F(StandInHostTest, KeepsTextItWasStartedWithSoTheBarPassesItOver)
{
    HostOptions options;
    options.commandLineText = "copy a b";
    StandInHost& host = session.StartHost(options);

    EXPECT_EQ(TextOf(host.CommandLineEdit()), "copy a b");
    EXPECT_EQ(FindHostCommandLine(host.Window()), nullptr);
    EXPECT_FALSE(ChangeDirectoryLikeTheBar("C:\\windows"));
    SendCommandLikeTheBar(2001);
    EXPECT_EQ(TextOf(host.CommandLineEdit()), "copy a b");
    EXPECT_EQ(host.Log().Lines(), (Lines{ReadyLine(host), "command 2001"}));
}

TEST_F(StandInHostTest, StartsMinimisedAndStillTakesCommands)
{
    HostOptions options;
    options.minimized = true;
    StandInHost& host = session.StartHost(options);

    EXPECT_TRUE(IsIconic(host.Window()));
    EXPECT_NE(ForegroundWindow(), host.Window());
    ASSERT_TRUE(ChangeDirectoryLikeTheBar("C:\\"));
    SendCommandLikeTheBar(2002);
    EXPECT_EQ(host.Log().Lines(), (Lines{ReadyLine(host), "return cd C:\\", "command 2002"}));
}

TEST_F(StandInHostTest, TakesItsTitleAndPlaceFromOptions)
{
    HostOptions options;
    options.title = "Left & right";
    options.rect = RECT{40, 60, 500, 300};
    StandInHost& host = session.StartHost(options);

    EXPECT_EQ(TextOf(host.Window()), "Left & right");
    const RECT r = WindowRectOf(host.Window());
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 60);
    EXPECT_EQ(r.right - r.left, 500);
    EXPECT_EQ(r.bottom - r.top, 300);
}

TEST_F(StandInHostTest, OnlyTheInstanceFindWindowReturnsGetsTheBarsMessages)
{
    HostOptions options;
    options.title = "first";
    StandInHost& first = session.StartHost(options);
    options.title = "second";
    StandInHost& second = session.StartHost(options);
    HWND found = FindWindowA("TTOTAL_CMD", nullptr);
    ASSERT_TRUE(found == first.Window() || found == second.Window());
    StandInHost& target = found == first.Window() ? first : second;
    StandInHost& other = found == first.Window() ? second : first;

    ASSERT_TRUE(ChangeDirectoryLikeTheBar("C:\\windows"));
    SendCommandLikeTheBar(2003);

    EXPECT_EQ(target.Log().Lines(), (Lines{ReadyLine(target), "return cd C:\\windows", "command 2003"}));
    EXPECT_EQ(other.Log().Lines(), Lines{ReadyLine(other)});

    // Each instance answers on its own when addressed directly.
    SendMessageA(other.Window(), kRunCommand, 7, 0);
    EXPECT_EQ(other.Log().LinesStartingWith("command "), Lines{"command 7"});
    EXPECT_EQ(target.Log().LinesStartingWith("command "), Lines{"command 2003"});
}

// A hung host lets a send with a time-out run out while hung, and answers again after.
// (Wine drops a message whose send timed out before the receiver took it.)
void ExpectHangsAndRecovers(StandInHost& host, DWORD hangMs)
{
    ASSERT_TRUE(host.Log().WaitForLine("hang " + std::to_string(hangMs)));
    EXPECT_FALSE(SendWithTimeout(host.Window(), kRunCommand, 4242, 0, 200ms).has_value());
    EXPECT_FALSE(host.Log().Contains("awake"));

    ASSERT_TRUE(host.Log().WaitForLine("awake"));
    EXPECT_EQ(SendWithTimeout(host.Window(), kRunCommand, 4343, 0, 200ms), 0);
    EXPECT_TRUE(host.Log().Contains("command 4343"));
}

TEST_F(StandInHostTest, HangsOnRequest)
{
    StandInHost& host = session.StartHost();
    EXPECT_TRUE(host.IsAnswering());
    ASSERT_TRUE(host.Hang(2000));
    ExpectHangsAndRecovers(host, 2000);
}

TEST_F(StandInHostTest, HangsAtStart)
{
    HostOptions options;
    options.hangAtStartMs = 2000;
    StandInHost& host = session.StartHost(options);
    ExpectHangsAndRecovers(host, 2000);
}

TEST_F(StandInHostTest, HangsAfterADelay)
{
    HostOptions options;
    options.hangAfterDelayMs = 1000;
    options.hangAfterMs = 2000;
    StandInHost& host = session.StartHost(options);
    EXPECT_TRUE(host.IsAnswering());
    EXPECT_FALSE(host.Log().Contains("hang 2000"));
    ExpectHangsAndRecovers(host, 2000);
}

TEST_F(StandInHostTest, LogsItsEndWhenClosed)
{
    StandInHost& host = session.StartHost();
    ASSERT_TRUE(host.Close());
    EXPECT_EQ(host.GetProcess().ExitCode(), 0u);
    EXPECT_EQ(host.Log().Lines(), (Lines{ReadyLine(host), "exit"}));
}

TEST_F(StandInHostTest, RefusesMalformedOptions)
{
    struct Case {
        std::string argument;
        std::string error;
    };
    const std::vector<Case> cases{
        {"--pos=1,2,3", "malformed option: --pos=1,2,3"},
        {"--pos=1,2,0,5", "malformed option: --pos=1,2,0,5"},
        {"--pos=1,2,3,4,5", "malformed option: --pos=1,2,3,4,5"},
        {"--hang-at-start=-1", "malformed option: --hang-at-start=-1"},
        {"--hang-at-start=2s", "malformed option: --hang-at-start=2s"},
        {"--hang-after=500", "malformed option: --hang-after=500"},
        {"--minimized=yes", "malformed option: --minimized=yes"},
        {"--combo-class=", "malformed option: --combo-class="},
        {"--title", "malformed option: --title"},
        {"--colour=red", "unknown option: --colour=red"},
        {"minimized", "not an option: minimized"},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].argument);
        const std::string log = session.Folder() + "\\refused-" + std::to_string(i) + ".log";
        Process host = Process::Start(Arguments().host, {"--log=" + log, cases[i].argument});
        ASSERT_TRUE(host.WaitForExit(kDefaultTimeout));
        EXPECT_EQ(host.ExitCode(), 2u);
        EXPECT_EQ(HostLog(log).Lines(), Lines{"error " + cases[i].error});
    }
}

// Code page 932: trail bytes include 0x5C, the backslash. The text must reach the log as
// the same bytes, and the host must not take the trail byte for a separator. Runs where
// the system code page is 932 (the e2e_standin_host_cp932 run).
TEST_F(StandInHostTest, CodePage932PathWithBackslashTrailBytes)
{
    if (GetACP() != 932)
        GTEST_SKIP() << "the system code page is " << GetACP() << ", not 932";
    // C:\表示\ソ : 表 is 0x95 0x5C and ソ is 0x83 0x5C.
    const std::string outer = "C:\\\x95\x5C\x8E\xA6";
    const std::string folder = outer + "\\\x83\x5C";
    ASSERT_TRUE(CreateDirectoryA(outer.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    ASSERT_TRUE(test::WriteFileBytes(folder + "\\a.txt", "a"));
    StandInHost& host = session.StartHost();

    ASSERT_TRUE(ChangeDirectoryLikeTheBar(folder));

    EXPECT_EQ(host.Log().LinesStartingWith("return "), Lines{"return cd " + folder});
    EXPECT_EQ(host.ShownFolder(), folder);
    // Listed as a folder of its own: "[..]" and "a.txt". Had the trail byte been taken
    // for a separator, the listing would be of the parent, matching "ソ*.*".
    HWND list = GetDlgItem(host.Window(), standin::kLeftListId);
    EXPECT_EQ(SendWithTimeout(list, LB_GETCOUNT), 2);
}

}  // namespace
}  // namespace quorbel::e2e
