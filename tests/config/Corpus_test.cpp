// The conformance corpus against our own store, with the lead bytes of each case's code
// page. Under Wine the same cases also run against the platform's functions
// (tests/config/win/PlatformCorpus_test.cpp).
#include <gtest/gtest.h>

#include "config/IniFileProfile.h"
#include "tests/support/CodePageScope.h"
#include "tests/support/Corpus.h"

namespace quorbel::test {
namespace {

class OurStoreCorpus : public ::testing::TestWithParam<CorpusCase> {};

TEST_P(OurStoreCorpus, GivesWhatTheCorpusSays)
{
    const CorpusCase& c = GetParam();
    const CodePageScope lead(c.codePage);
    IniFileProfile ours;
    for (const std::string& failure : RunCorpusCase(c, Implementation::Ours, ours))
        ADD_FAILURE() << c.source << " " << c.id << "\n  " << failure;
}

INSTANTIATE_TEST_SUITE_P(Corpus, OurStoreCorpus, ::testing::ValuesIn(CorpusCases(QUORBEL_CORPUS_DIR)),
                         [](const auto& info) { return CorpusTestName(info.param); });

}  // namespace
}  // namespace quorbel::test
