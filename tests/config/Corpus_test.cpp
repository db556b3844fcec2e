// The conformance corpus against our own store, with the lead bytes of each case's code
// page. Natively this is the store the program uses; under Wine the same cases run here
// and, in tests/config/win, against the platform's functions.
#include <gtest/gtest.h>

#include <set>

#include "config/IniFileProfile.h"
#include "config/MultiByteText.h"
#include "tests/support/CorpusRunner.h"

namespace quorbel::test {
namespace {

class LeadBytesScope {
public:
    explicit LeadBytesScope(unsigned codePage) : table_(LeadByteTable::ForCodePage(codePage))
    {
        SetActiveLeadBytes(&table_);
    }
    ~LeadBytesScope() { SetActiveLeadBytes(nullptr); }
    LeadBytesScope(const LeadBytesScope&) = delete;
    LeadBytesScope& operator=(const LeadBytesScope&) = delete;

private:
    LeadByteTable table_;
};

const std::vector<CorpusCase>& Cases()
{
    return CorpusCases(QUORBEL_CORPUS_DIR);
}

class OurStoreCorpus : public ::testing::TestWithParam<CorpusCase> {};

TEST_P(OurStoreCorpus, GivesWhatTheCorpusSays)
{
    const CorpusCase& c = GetParam();
    LeadBytesScope lead(c.codePage);
    IniFileProfile ours;
    for (const std::string& failure : RunCorpusCase(c, Implementation::Ours, ours))
        ADD_FAILURE() << c.source << " " << c.id << "\n  " << failure;
}

INSTANTIATE_TEST_SUITE_P(Corpus, OurStoreCorpus, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return CorpusTestName(info.param); });

// The corpus is a contract in its own right: it must parse, be big enough to
// cover the ground, and say why wherever the two implementations part.
TEST(CorpusShape, ParsesWithUniqueNames)
{
    ASSERT_EQ(CorpusLoadError(), "");
    EXPECT_GE(Cases().size(), 60u);
    std::set<std::string> names;
    for (const CorpusCase& c : Cases()) {
        EXPECT_TRUE(names.insert(CorpusTestName(c)).second) << "two cases named " << c.id;
        EXPECT_FALSE(c.about.empty()) << c.source << " " << c.id << " says nothing about itself";
        EXPECT_FALSE(c.steps.empty()) << c.source << " " << c.id << " has no steps";
    }
}

TEST(CorpusShape, EveryPartingIsExplained)
{
    for (const CorpusCase& c : Cases()) {
        const bool parts = c.HasStepsFor(Implementation::Ours) || c.HasStepsFor(Implementation::Platform);
        bool partsInAnswers = false;
        for (const CorpusStep& step : c.steps)
            partsInAnswers |= step.only && step.op != CorpusStep::Op::File;
        if (partsInAnswers)
            EXPECT_FALSE(c.differs.empty()) << c.source << " " << c.id
                                            << ": answers part without a differs: note";
        if (parts)
            EXPECT_FALSE(c.differs.empty() && c.layout.empty())
                << c.source << " " << c.id << ": files part without a layout: note";
        if (!c.layout.empty())
            EXPECT_TRUE(parts) << c.source << " " << c.id << ": layout: note but no parting";
    }
}

}  // namespace
}  // namespace quorbel::test
