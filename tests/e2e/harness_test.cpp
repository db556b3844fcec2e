// The end-to-end harness itself: what scenarios rely on when they start programs, wait,
// give real input, drive menus of other processes and look at the screen.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/e2e/support/E2eArguments.h"
#include "tests/e2e/support/E2eTest.h"
#include "tests/e2e/support/IniFiles.h"
#include "tests/e2e/support/Input.h"
#include "tests/e2e/support/Screenshot.h"
#include "tests/e2e/support/WindowQueries.h"
#include "tools/standin-host/HostProtocol.h"

namespace quorbel::e2e {
namespace {

// Set by the failing test body below; read after it has failed.
DWORD g_hostOfFailedTest = 0;

void StartHostAndFail()
{
    Session session;
    g_hostOfFailedTest = session.StartHost().GetProcess().Id();
    ASSERT_TRUE(ProcessIsRunning(g_hostOfFailedTest));
    FAIL() << "the test fails while its host runs";
}

TEST(SessionTest, StopsWhatItStartedWhenTheTestFails)
{
    EXPECT_FATAL_FAILURE(StartHostAndFail(), "the test fails while its host runs");
    ASSERT_NE(g_hostOfFailedTest, 0u);
    EXPECT_FALSE(ProcessIsRunning(g_hostOfFailedTest));
}

TEST(SessionTest, StopsItsHostsAndRemovesItsFolder)
{
    std::string folder;
    std::vector<DWORD> ids;
    {
        Session session;
        folder = session.Folder();
        session.WriteQuorbelIni("[main]\r\nx=5\r\n");
        ids.push_back(session.StartHost().GetProcess().Id());
        ids.push_back(session.StartHost().GetProcess().Id());
        for (DWORD id : ids)
            ASSERT_TRUE(ProcessIsRunning(id));
    }
    for (DWORD id : ids)
        EXPECT_FALSE(ProcessIsRunning(id));
    EXPECT_FALSE(test::FileExists(folder));
}

TEST(ProcessTest, EndsItsProcessWhenItGoesAndReportsExitCodes)
{
    DWORD id = 0;
    {
        Process host = Process::Start(Arguments().host, {});
        id = host.Id();
        ASSERT_TRUE(WaitUntil([&] { return !TopLevelWindowsOf(id).empty(); }));
        EXPECT_TRUE(host.IsRunning());
        EXPECT_FALSE(host.ExitCode().has_value());
        EXPECT_FALSE(host.WaitForExit(50ms));
    }
    EXPECT_FALSE(ProcessIsRunning(id));

    Process refused = Process::Start(Arguments().host, {"--no-such-option"});
    ASSERT_TRUE(refused.WaitForExit(kDefaultTimeout));
    EXPECT_EQ(refused.ExitCode(), 2u);
}

TEST(ProcessTest, QuotesArgumentsSoTheyArriveUnchanged)
{
    const std::vector<std::string> arguments{
        "plain", "", "two words", "tab\there", "say \"hi\"", "C:\\Program Files\\",
        "trailing\\\\", "back\\\"slash", "\\\\server\\share", "a\\b c\\\\\"d",
        // 0x83 0x5C is one character of code page 932, its trail byte a backslash value.
        "\x83\x5C\x83\x5C end \x83\x5C"};
    const std::string line = BuildCommandLine("C:\\x y\\p.exe", arguments);

    // CommandLineToArgvW splits as the C runtime does; compare in UTF-16.
    auto widen = [](const std::string& s) {
        std::wstring w(s.size() + 1, L'\0');
        w.resize(static_cast<std::size_t>(
            MultiByteToWideChar(CP_ACP, 0, s.c_str(), static_cast<int>(s.size()), w.data(),
                                static_cast<int>(w.size()))));
        return w;
    };
    int count = 0;
    LPWSTR* parsed = CommandLineToArgvW(widen(line).c_str(), &count);
    ASSERT_NE(parsed, nullptr);
    ASSERT_EQ(count, static_cast<int>(arguments.size()) + 1);
    EXPECT_EQ(std::wstring(parsed[0]), L"C:\\x y\\p.exe");
    for (std::size_t i = 0; i < arguments.size(); ++i)
        EXPECT_EQ(std::wstring(parsed[i + 1]), widen(arguments[i])) << "argument " << i;
    LocalFree(parsed);
}

TEST(PathTest, UnixPathsMapToDriveZ)
{
    EXPECT_EQ(WindowsPathFromUnix("/work/build x/Quorbel.exe"), "Z:\\work\\build x\\Quorbel.exe");
    EXPECT_EQ(WindowsPathFromUnix("C:\\already\\windows"), "C:\\already\\windows");
    EXPECT_EQ(WindowsPathFromUnix(""), "");
}

TEST(WaitTest, PollsUntilTheConditionHoldsOrTheDeadlinePasses)
{
    int looks = 0;
    EXPECT_TRUE(WaitUntil([&] { return ++looks == 3; }, 5s));
    EXPECT_EQ(looks, 3);

    looks = 0;
    EXPECT_FALSE(WaitUntil([&] { ++looks; return false; }, 100ms));
    EXPECT_GE(looks, 2);  // looked at first and once more at the deadline

    looks = 0;
    EXPECT_FALSE(HoldsFor([&] { return ++looks < 3; }, 5s));
    EXPECT_EQ(looks, 3);
    EXPECT_TRUE(HoldsFor([] { return true; }, 50ms));
}

TEST(IniTest, ReadsThroughTheProfileFunctions)
{
    test::TempDir folder;
    const std::string path = folder.File("Quorbel.ini");
    ASSERT_TRUE(test::WriteFileBytes(path, test::Crlf("[main]\nx=-12\nempty=\nsName=a b\n")));

    EXPECT_EQ(ReadIniInt(path, "main", "x", 100), -12);
    EXPECT_EQ(ReadIniInt(path, "main", "y", 100), 100);
    EXPECT_EQ(ReadIniString(path, "main", "sName"), "a b");
    EXPECT_EQ(ReadIniString(path, "main", "missing", "dflt"), "dflt");
    EXPECT_TRUE(IniHasKey(path, "main", "empty"));
    EXPECT_TRUE(IniHasKey(path, "main", "x"));
    EXPECT_FALSE(IniHasKey(path, "main", "missing"));
    EXPECT_FALSE(IniHasKey(path, "other", "x"));
}

class InputTest : public E2eTest {};

TEST_F(InputTest, MouseClicksMoveTheFocusOfAnotherProgram)
{
    StandInHost& host = session.StartHost();
    HWND list = GetDlgItem(host.Window(), standin::kRightListId);

    Click(CentreOf(list));
    EXPECT_TRUE(WaitUntil([&] { return FocusInThreadOf(host.Window()) == list; }));
    EXPECT_EQ(ForegroundWindow(), host.Window());

    Click(CentreOf(host.CommandLineEdit()));
    EXPECT_TRUE(WaitUntil([&] { return FocusInThreadOf(host.Window()) == host.CommandLineEdit(); }));
}

TEST_F(InputTest, HeldKeyIsDownForItsLifeOnly)
{
    StandInHost& host = session.StartHost();
    ASSERT_TRUE(BringToForeground(host.Window()));
    auto ctrlDown = [] { return (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0; };
    {
        HeldKey ctrl(VK_CONTROL);
        EXPECT_TRUE(WaitUntil(ctrlDown));
    }
    EXPECT_TRUE(WaitUntil([&] { return !ctrlDown(); }));
}

TEST_F(InputTest, PostedKeysDriveAPopupMenuOfAnotherProgram)
{
    StandInHost& host = session.StartHost();
    ASSERT_TRUE(BringToForeground(host.Window()));
    // The system menu, opened as Alt+Space would: a popup menu in the host's own modal loop.
    PostMessageW(host.Window(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (menu = FindOpenMenu()) != nullptr; }));
    EXPECT_EQ(ProcessIdOf(menu), host.GetProcess().Id());

    // Up from the first item wraps round to the last, Wine's "About Wine"; once more
    // reaches "Close".
    PostKeys(host.Window(), {VK_UP, VK_UP, VK_RETURN});

    EXPECT_TRUE(host.GetProcess().WaitForExit(kDefaultTimeout));
    EXPECT_EQ(FindOpenMenu(), nullptr);
    EXPECT_EQ(host.Log().Lines().back(), "exit");
}

class ScreenshotTest : public E2eTest {};

TEST_F(ScreenshotTest, SeesWhatTheHostPaintsWhereItPaintsIt)
{
    HostOptions options;
    options.rect = RECT{30, 40, 480, 320};
    StandInHost& host = session.StartHost(options);
    const RECT active = WindowRectOf(GetDlgItem(host.Window(), standin::kLeftHeaderId));
    const RECT inactive = WindowRectOf(GetDlgItem(host.Window(), standin::kRightHeaderId));
    // The top row of a header is above its text.
    const POINT activeProbe{active.left + 1, active.top + 1};
    const POINT inactiveProbe{inactive.left + 1, inactive.top + 1};

    Screenshot shot = Screenshot::OfScreen();
    ASSERT_TRUE(WaitUntil([&] {
        shot = Screenshot::OfScreen();
        return shot.PixelAt(activeProbe) == standin::kActiveHeaderColour;
    }));
    EXPECT_EQ(shot.PixelAt(inactiveProbe), GetSysColor(COLOR_BTNFACE));

    const Screenshot part = Screenshot::OfWindow(host.Window());
    EXPECT_EQ(part.Width(), 480);
    EXPECT_EQ(part.Height(), 320);
    EXPECT_EQ(part.PixelAt(activeProbe), standin::kActiveHeaderColour);
    EXPECT_FALSE(part.Contains(POINT{29, 40}));

    // The saved file holds the same pixels: 24 bits, rows of whole 4-byte words, bottom row first.
    const std::string path = session.Folder() + "\\host.bmp";
    ASSERT_TRUE(part.SaveBmp(path));
    const std::string bytes = test::ReadFileBytes(path);
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    ASSERT_GE(bytes.size(), sizeof file + sizeof info);
    std::memcpy(&file, bytes.data(), sizeof file);
    std::memcpy(&info, bytes.data() + sizeof file, sizeof info);
    EXPECT_EQ(file.bfType, 0x4D42);
    EXPECT_EQ(info.biWidth, 480);
    EXPECT_EQ(info.biHeight, 320);
    EXPECT_EQ(info.biBitCount, 24);
    const std::size_t stride = 480 * 3;
    ASSERT_EQ(bytes.size(), file.bfOffBits + stride * 320u);
    const std::size_t row = 320 - 1 - (activeProbe.y - 40);
    const std::size_t at = file.bfOffBits + row * stride + (activeProbe.x - 30) * 3;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    EXPECT_EQ(RGB(p[2], p[1], p[0]), standin::kActiveHeaderColour);

    EXPECT_FALSE(SaveScreenshot("host").empty());
}

}  // namespace
}  // namespace quorbel::e2e
