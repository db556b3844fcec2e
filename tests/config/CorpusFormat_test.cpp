// The corpus reader: a mistake here would make cases pass that say nothing, for
// instance a repeat count read as 1 in both the file and what it gives. (Its error
// messages need no test: CorpusShape fails on any of them.)
#include <gtest/gtest.h>

#include "tests/support/Corpus.h"

namespace quorbel::test {
namespace {

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
