// What the scenarios rely on from the harness and cannot show themselves: that nothing a
// failing test started outlives it, that waits really wait and really fail, and that
// what a test reads and passes on arrives unchanged.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include "tests/e2e/support/E2eArguments.h"
#include "tests/e2e/support/E2eTest.h"
#include "tests/e2e/support/IniFiles.h"

namespace quorbel::e2e {
namespace {

// Filled in by the failing test body below; looked at after it has failed.
std::vector<DWORD> g_startedByFailedTest;
std::string g_folderOfFailedTest;

void StartAndFail()
{
    Session session;
    g_folderOfFailedTest = session.Folder();
    session.WriteQuorbelIni("[main]\r\nx=5\r\n");
    g_startedByFailedTest.push_back(session.StartHost().GetProcess().Id());
    g_startedByFailedTest.push_back(session.StartHost().GetProcess().Id());
    const Process own = Process::Start(Arguments().host, {"--log=" + session.Folder() + "\\own.log"});
    g_startedByFailedTest.push_back(own.Id());
    for (DWORD id : g_startedByFailedTest)
        ASSERT_TRUE(ProcessIsRunning(id));
    FAIL() << "the test fails while its processes run";
}

TEST(SessionTest, StopsWhatItStartedAndRemovesItsFolderWhenTheTestFails)
{
    EXPECT_FATAL_FAILURE(StartAndFail(), "the test fails while its processes run");
    ASSERT_EQ(g_startedByFailedTest.size(), 3u);
    for (DWORD id : g_startedByFailedTest)
        EXPECT_FALSE(ProcessIsRunning(id)) << id;
    EXPECT_FALSE(test::FileExists(g_folderOfFailedTest));
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

TEST(IniTest, ReadsThroughTheProfileFunctionsAndTellsAbsentKeys)
{
    test::TempDir folder;
    const std::string path = folder.File("Quorbel.ini");
    ASSERT_TRUE(test::WriteFileBytes(path, test::Crlf("[main]\nx=-12\nempty=\nsName=a b\n")));
    EXPECT_EQ(ReadIniInt(path, "main", "x", 100), -12);
    EXPECT_EQ(ReadIniInt(path, "main", "y", 100), 100);
    EXPECT_EQ(ReadIniString(path, "main", "sName"), "a b");
    EXPECT_EQ(ReadIniString(path, "main", "missing", "dflt"), "dflt");
    EXPECT_TRUE(IniHasKey(path, "main", "empty"));
    EXPECT_FALSE(IniHasKey(path, "main", "missing"));
    EXPECT_FALSE(IniHasKey(path, "other", "x"));
}

TEST(ProcessTest, QuotesArgumentsSoTheyArriveUnchanged)
{
    const std::vector<std::string> arguments{
        "plain", "", "two words", "tab\there", "say \"hi\"", "C:\\Program Files\\", "trailing\\\\",
        "back\\\"slash", "\\\\server\\share", "a\\b c\\\\\"d",
        // 0x83 0x5C is one character of code page 932, its trail byte a backslash value.
        "\x83\x5C\x83\x5C end \x83\x5C"};
    // CommandLineToArgvW splits as the C runtime does; compare in UTF-16.
    const auto widen = [](const std::string& s) {
        std::wstring w(s.size() + 1, L'\0');
        w.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, s.c_str(), static_cast<int>(s.size()),
                                                              w.data(), static_cast<int>(w.size()))));
        return w;
    };
    int count = 0;
    LPWSTR* parsed = CommandLineToArgvW(widen(BuildCommandLine("C:\\x y\\p.exe", arguments)).c_str(), &count);
    ASSERT_NE(parsed, nullptr);
    ASSERT_EQ(count, static_cast<int>(arguments.size()) + 1);
    EXPECT_EQ(std::wstring(parsed[0]), L"C:\\x y\\p.exe");
    for (std::size_t i = 0; i < arguments.size(); ++i)
        EXPECT_EQ(std::wstring(parsed[i + 1]), widen(arguments[i])) << "argument " << i;
    LocalFree(parsed);
}

}  // namespace
}  // namespace quorbel::e2e
