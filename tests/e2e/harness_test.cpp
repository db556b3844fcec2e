// What the scenarios rely on from the harness and cannot show themselves: that nothing a
// failing test started outlives it, and that checks which scenarios only ever expect to
// hold can fail at all.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <windows.h>

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

TEST(IniTest, TellsAnEmptyValueFromAnAbsentKey)
{
    // Scenarios only ever expect a key to be there: a constant answer would pass them.
    test::TempDir folder;
    const std::string path = folder.File("Quorbel.ini");
    ASSERT_TRUE(test::WriteFileBytes(path, "[main]\r\nx=-12\r\nempty=\r\n"));
    EXPECT_TRUE(IniHasKey(path, "main", "empty"));
    EXPECT_TRUE(IniHasKey(path, "main", "x"));
    EXPECT_FALSE(IniHasKey(path, "main", "missing"));
    EXPECT_FALSE(IniHasKey(path, "other", "x"));
    EXPECT_EQ(ReadIniInt(path, "main", "x", 100), -12);
}

}  // namespace
}  // namespace quorbel::e2e
