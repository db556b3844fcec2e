// The conformance corpus against our own store, with the lead bytes of each case's code
// page. Natively this is the store the program uses; under Wine the same cases run here
// and, in tests/config/win, against the platform's functions.
#include <gtest/gtest.h>

#include <set>

#include "config/IniFileProfile.h"
#include "tests/support/CodePageScope.h"
#include "tests/support/CorpusRunner.h"

namespace quorbel::test {
namespace {

const std::vector<CorpusCase>& Cases()
{
    return CorpusCases(QUORBEL_CORPUS_DIR);
}

class OurStoreCorpus : public ::testing::TestWithParam<CorpusCase> {};

TEST_P(OurStoreCorpus, GivesWhatTheCorpusSays)
{
    const CorpusCase& c = GetParam();
    const CodePageScope lead(c.codePage);
    IniFileProfile ours;
    for (const std::string& failure : RunCorpusCase(c, Implementation::Ours, ours))
        ADD_FAILURE() << c.source << " " << c.id << "\n  " << failure;
}

INSTANTIATE_TEST_SUITE_P(Corpus, OurStoreCorpus, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return CorpusTestName(info.param); });

// The corpus is a contract in its own right: it must parse, be big enough to cover the
// ground, and say why wherever the two implementations part.
TEST(CorpusShape, ParsesAndExplainsEveryParting)
{
    ASSERT_EQ(CorpusLoadError(), "");
    EXPECT_GE(Cases().size(), 60u);
    std::set<std::string> names;
    for (const CorpusCase& c : Cases()) {
        const std::string name = c.source + " " + c.id;
        EXPECT_TRUE(names.insert(CorpusTestName(c)).second) << "two cases named " << c.id;
        EXPECT_FALSE(c.about.empty() || c.steps.empty()) << name << ": no about: note or no steps";
        bool partsInAnswers = false;
        for (const CorpusStep& step : c.steps)
            partsInAnswers |= step.only && step.op != "file";
        const bool parts = c.HasStepsFor(Implementation::Ours) || c.HasStepsFor(Implementation::Platform);
        EXPECT_FALSE(partsInAnswers && c.differs.empty()) << name << ": answers part without a differs: note";
        EXPECT_FALSE(parts && c.differs.empty() && c.layout.empty()) << name << ": files part without a note";
        EXPECT_FALSE(!c.layout.empty() && !parts) << name << ": layout: note but no parting";
    }
}

}  // namespace
}  // namespace quorbel::test
