// The conformance corpus against the platform's own profile functions, for the cases of
// the code page this run has (tests.cmake runs this program again under Korean and
// Japanese locales, which give 949 and 932). Our own store meets the same cases natively.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "config/win/Win32Profile.h"
#include "tests/support/Corpus.h"

namespace quorbel::test {
namespace {

std::vector<CorpusCase> CasesOfThisRun()
{
    const unsigned active = GetACP();
    const bool doubleByte = active == 932 || active == 936 || active == 949 || active == 950;
    std::vector<CorpusCase> cases;
    for (const CorpusCase& c : CorpusCases(QUORBEL_CORPUS_DIR))
        if (c.codePage == 0 ? !doubleByte : c.codePage == active)
            cases.push_back(c);
    return cases;
}

TEST(PlatformCorpusRun, HasTheCodePageItWasStartedFor)
{
    // A locale Wine does not know would silently run the single-byte cases again.
    const char* wanted = std::getenv("QUORBEL_EXPECT_CODEPAGE");
    EXPECT_EQ(GetACP(), wanted ? static_cast<unsigned>(std::atoi(wanted)) : GetACP());
    EXPECT_FALSE(CasesOfThisRun().empty());
}

class PlatformCorpus : public ::testing::TestWithParam<CorpusCase> {};

TEST_P(PlatformCorpus, ThePlatformGivesWhatTheCorpusSays)
{
    const CorpusCase& c = GetParam();
    Win32Profile platform;
    for (const std::string& failure : RunCorpusCase(c, Implementation::Platform, platform))
        ADD_FAILURE() << "platform: " << c.source << " " << c.id << "\n  " << failure;
}

INSTANTIATE_TEST_SUITE_P(Corpus, PlatformCorpus, ::testing::ValuesIn(CasesOfThisRun()),
                         [](const auto& info) { return CorpusTestName(info.param); });

}  // namespace
}  // namespace quorbel::test
