// The conformance corpus against our own store, with the lead bytes of each case's code
// page. Natively this is the store the program uses; under Wine the same cases run here
// and, in tests/config/win, against the platform's functions. Also its reader: a mistake
// there would make cases pass that say nothing, for instance a repeat count read as 1 in
// both the file and what it gives. (Its error messages need no test: CorpusShape fails
// on any of them.)
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

TEST(CorpusFormat, ReadsBytesNamesAndSteps)
{
    const auto cases = ParseCorpus(R"(# a comment
case one
  about: first line
  about: second line
  codepage: 932
  file: "[s]\r\n" + "a\x83\x5C\0\"\\\t" + "x" * 3 + each(8, 10, "k{}={}\n")
  get "s" null "d" size 7 => ""
  ours: int "s" "k" -5 => -12
  platform: write-section "s" "a=1\0" => false
  list-keys "s" => ["a", each(1, 2, "n{}"), "z"]
  file => none
  edit "x"
case two
  list-sections => []
)",
                                   "t.corpus");
    ASSERT_EQ(cases.size(), 2u);
    const CorpusCase& c = cases[0];
    EXPECT_EQ(c.id, "one");
    EXPECT_EQ(c.about, "first line second line");
    EXPECT_EQ(c.codePage, 932u);
    EXPECT_EQ(c.source, "t.corpus:2");
    EXPECT_EQ(*c.file, std::string("[s]\r\na\x83\x5C") + '\0' + "\"\\\txxxk8=8\nk9=9\nk10=10\n");
    ASSERT_EQ(c.steps.size(), 6u);
    using Args = std::vector<std::optional<std::string>>;
    EXPECT_EQ(c.steps[0].args, (Args{"s", std::nullopt, "d"}));
    EXPECT_EQ(c.steps[0].size, 7u);
    EXPECT_EQ(c.steps[0].expected, "");
    EXPECT_FALSE(c.steps[0].only.has_value());
    EXPECT_EQ(c.steps[1].only, Implementation::Ours);
    EXPECT_EQ(c.steps[1].args, (Args{"s", "k", "-5"}));
    EXPECT_EQ(c.steps[1].expected, "-12");
    EXPECT_EQ(c.steps[2].only, Implementation::Platform);
    EXPECT_EQ(c.steps[2].args, (Args{"s", std::string("a=1\0", 4)}));
    EXPECT_EQ(c.steps[2].expected, "false");
    EXPECT_EQ(c.steps[3].expected, std::string("a\0n1\0n2\0z\0", 10));
    EXPECT_EQ(c.steps[3].line, 10);
    EXPECT_EQ(c.steps[4].expected, std::nullopt);
    EXPECT_EQ(c.steps[5].args, Args{"x"});
    EXPECT_EQ(cases[1].steps.at(0).expected, "");
}

}  // namespace
}  // namespace quorbel::test
