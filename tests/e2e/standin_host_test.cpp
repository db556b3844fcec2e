// The stand-in host, driven from another process exactly as the bar drives the real file
// manager: found by its class, its command line found among its descendants, "cd " and a
// path typed into it with edit messages, and command numbers sent to its main window.
// Only what the bar's scenarios cannot show (they cover the combo box classes, text left
// in the command line, a minimised host, several hosts and a hung one): that the host logs
// exactly what it was given, the options they lean on without checking them or do not
// use, and code page 932 bytes.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/e2e/support/E2eArguments.h"
#include "tests/e2e/support/E2eTest.h"
#include "tests/e2e/support/WindowQueries.h"
#include "tools/standin-host/HostProtocol.h"

namespace quorbel::e2e {
namespace {

using Lines = std::vector<std::string>;

// The real file manager's number for "run this command", written out here as the bar
// knows it rather than taken from the host's own header.
constexpr UINT kRunCommand = 1075;

// The bar's test for the command line: a combo box of either class, compared ignoring
// case, whose first EDIT child is empty.
BOOL CALLBACK FindEmptyCommandLine(HWND child, LPARAM found)
{
    const std::string name = ClassNameOf(child);
    if (lstrcmpiA(name.c_str(), "tcombobox") != 0 && lstrcmpiA(name.c_str(), "TMyComboBox.UnicodeClass") != 0)
        return TRUE;
    HWND edit = FindWindowExA(child, nullptr, "EDIT", nullptr);
    if (!edit || GetWindowTextLengthA(edit) != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

HWND FindHostCommandLine(HWND host)
{
    HWND found = nullptr;
    EnumChildWindows(host, FindEmptyCommandLine, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Types "cd <path>" and Return into the command line of the host FindWindowA finds, the
// way the bar does. False when there is no host or no empty command line.
bool ChangeDirectoryLikeTheBar(const std::string& path)
{
    HWND combo = FindHostCommandLine(FindWindowA("TTOTAL_CMD", nullptr));
    HWND edit = combo ? FindWindowExA(combo, nullptr, "EDIT", nullptr) : nullptr;
    if (!edit)
        return false;
    const std::string text = "cd " + path;
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(edit, WM_KEYUP, VK_RETURN, 0);
    return true;
}

void SendCommandLikeTheBar(int command)
{
    SendMessageA(FindWindowA("TTOTAL_CMD", nullptr), kRunCommand, static_cast<WPARAM>(command), 0);
}

class StandInHostTest : public E2eTest {};

TEST_F(StandInHostTest, LogsTypedCommandsExactlyAndEmptiesItsCommandLine)
{
    StandInHost& host = session.StartHost();
    EXPECT_EQ(FindWindowA("TTOTAL_CMD", nullptr), host.Window());
    EXPECT_EQ(ClassNameOf(host.CommandLine()), "TMyComboBox.UnicodeClass");
    EXPECT_EQ(FindHostCommandLine(host.Window()), host.CommandLine());
    const struct {
        std::string path;
        std::string shownFolder;  // what the left panel shows afterwards
    } cases[] = {
        {"C:\\Program Files", "C:\\Program Files"},  // spaces go unquoted
        {"C:\\", "C:\\"},
        {"", "C:\\"},  // "cd " alone: the panel stays
        {"Z:\\no such\\folder;a&b \"q\"", "Z:\\no such\\folder;a&b \"q\""},
    };
    Lines expected = host.Log().Lines();
    ASSERT_EQ(expected.size(), 1u);  // "ready"
    for (const auto& c : cases) {
        SCOPED_TRACE("path \"" + c.path + "\"");
        ASSERT_TRUE(ChangeDirectoryLikeTheBar(c.path));
        expected.push_back("return cd " + c.path);
        // The sends are synchronous: the host has logged before the last one returns.
        EXPECT_EQ(host.Log().Lines(), expected);
        EXPECT_EQ(TextOf(host.CommandLineEdit()), std::string());
        EXPECT_EQ(host.ShownFolder(), c.shownFolder);
    }
    for (int command : {2001, -1, 2147483647})
        SendCommandLikeTheBar(command);
    EXPECT_EQ(host.Log().LinesStartingWith("command "), (Lines{"command 2001", "command -1", "command 2147483647"}));
}

// A hung host lets a send with a time-out run out while hung, and answers again after.
// (Wine drops a message whose send timed out before the receiver took it.)
TEST_F(StandInHostTest, TakesItsPlaceAndTitleAndHangsOnRequestAtStartOrLater)
{
    const auto expectHangsAndRecovers = [](StandInHost& host) {
        ASSERT_TRUE(host.Log().WaitForLine("hang 2000"));
        EXPECT_FALSE(SendWithTimeout(host.Window(), kRunCommand, 4242, 0, 200ms).has_value());
        EXPECT_FALSE(host.Log().Contains("awake"));
        ASSERT_TRUE(host.Log().WaitForLine("awake"));
        EXPECT_EQ(SendWithTimeout(host.Window(), kRunCommand, 4343, 0, 200ms), 0);
        EXPECT_TRUE(host.Log().Contains("command 4343"));
    };
    // Scenarios place their hosts and tell them apart by title, and check neither.
    HostOptions options;
    options.title = "Left & right";
    options.rect = RECT{40, 60, 500, 300};
    StandInHost& onRequest = session.StartHost(options);
    EXPECT_EQ(TextOf(onRequest.Window()), "Left & right");
    const RECT r = WindowRectOf(onRequest.Window());
    EXPECT_TRUE(r.left == 40 && r.top == 60 && r.right - r.left == 500 && r.bottom - r.top == 300);
    ASSERT_TRUE(onRequest.IsAnswering());
    ASSERT_TRUE(onRequest.Hang(2000));
    expectHangsAndRecovers(onRequest);

    options = HostOptions();
    options.hangAtStartMs = 2000;
    expectHangsAndRecovers(session.StartHost(options));

    options = HostOptions();
    options.hangAfterDelayMs = 1000;
    options.hangAfterMs = 2000;
    StandInHost& later = session.StartHost(options);
    EXPECT_TRUE(later.IsAnswering());
    EXPECT_FALSE(later.Log().Contains("hang 2000"));
    expectHangsAndRecovers(later);
}

TEST_F(StandInHostTest, RefusesMalformedOptions)
{
    const struct {
        std::string argument;
        const char* error;
    } cases[] = {
        {"--pos=1,2,3", "malformed option"},      {"--pos=1,2,0,5", "malformed option"},
        {"--pos=1,2,3,4,5", "malformed option"},  {"--hang-at-start=-1", "malformed option"},
        {"--hang-at-start=2s", "malformed option"}, {"--hang-after=500", "malformed option"},
        {"--minimized=yes", "malformed option"},  {"--combo-class=", "malformed option"},
        {"--title", "malformed option"},          {"--colour=red", "unknown option"},
        {"minimized", "not an option"},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument);
        const std::string log = session.Folder() + "\\refused-" + std::to_string(++n) + ".log";
        Process host = Process::Start(Arguments().host, {"--log=" + log, c.argument});
        ASSERT_TRUE(host.WaitForExit(kDefaultTimeout));
        EXPECT_EQ(host.ExitCode(), 2u);
        EXPECT_EQ(HostLog(log).Lines(), Lines{"error " + std::string(c.error) + ": " + c.argument});
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
    EXPECT_EQ(SendWithTimeout(GetDlgItem(host.Window(), standin::kLeftListId), LB_GETCOUNT), 2);
}

}  // namespace
}  // namespace quorbel::e2e
