// The corpus reader: a mistake here would make cases pass that say nothing.
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
  file: "[s]\r\n" + "a\x83\x5C\0\"\\\t" +
        "x" * 3 + each(8, 10, "k{2}={}\n")
  get "s" null "d" size 7 => ""
  ours: int "s" "k" -5 => -12
  platform: write-section "s" "a=1\0" => false
  list-keys "s" => ["a", each(1, 2, "n{3}"),
                    "z"]
  file => none
  edit "x"
end
)",
                                   "t.corpus");
    ASSERT_EQ(cases.size(), 1u);
    const CorpusCase& c = cases[0];
    EXPECT_EQ(c.id, "one");
    EXPECT_EQ(c.about, "first line second line");
    EXPECT_EQ(c.codePage, 932u);
    EXPECT_EQ(c.source, "t.corpus:2");
    EXPECT_EQ(*c.file, std::string("[s]\r\na\x83\x5C") + '\0' + "\"\\\txxxk08=8\nk09=9\nk10=10\n");
    ASSERT_EQ(c.steps.size(), 6u);

    EXPECT_EQ(c.steps[0].op, CorpusStep::Op::Get);
    EXPECT_FALSE(c.steps[0].key.has_value());
    EXPECT_EQ(c.steps[0].size, 7u);
    EXPECT_FALSE(c.steps[0].only.has_value());

    EXPECT_EQ(c.steps[1].only, Implementation::Ours);
    EXPECT_EQ(*c.steps[1].intArgument, -5);
    EXPECT_EQ(c.steps[1].number, -12);

    EXPECT_EQ(c.steps[2].only, Implementation::Platform);
    EXPECT_EQ(*c.steps[2].text, std::string("a=1\0", 4));
    EXPECT_FALSE(c.steps[2].success);

    EXPECT_EQ(c.steps[3].names, (std::vector<std::string>{"a", "n001", "n002", "z"}));
    EXPECT_EQ(c.steps[3].line, 11);
    EXPECT_TRUE(c.steps[4].noFile);
    EXPECT_EQ(c.steps[5].bytes, "x");
    EXPECT_TRUE(c.HasStepsFor(Implementation::Ours));
}

TEST(CorpusFormat, NamesTheLineOfAMistake)
{
    const struct {
        const char* text;
        const char* message;
    } mistakes[] = {
        {"case a\n  frobnicate \"s\"\nend\n", "t.corpus:2: unknown step 'frobnicate'"},
        {"case a\n  get \"s\" \"k\" \"d\" => \"open\nend\n", "t.corpus:2: unterminated string"},
        {"case a\n  edit \"\\q\"\nend\n", "t.corpus:2: unknown escape \\q"},
        {"case a\n  int \"s\" \"k\" 1 => 2 3\nend\n", "t.corpus:2: unexpected '3' after the step"},
        {"  get \"s\" \"k\" \"d\" => \"\"\n", "t.corpus:1: 'get' outside a case"},
        {"case a\n  edit \"x\"\n", "t.corpus: case a has no end"},
    };
    for (const auto& mistake : mistakes) {
        try {
            ParseCorpus(mistake.text, "t.corpus");
            ADD_FAILURE() << "accepted: " << mistake.text;
        } catch (const CorpusError& error) {
            EXPECT_STREQ(error.what(), mistake.message);
        }
    }
}

TEST(CorpusFormat, QuotesBytesAsItReadsThem)
{
    const std::string bytes("[\x83\x5C]\r\n\0\"\\\t~\x7F", 12);
    EXPECT_EQ(QuoteBytes(bytes), R"("[\x83\\]\r\n\0\"\\\t~\x7F")");
    const auto cases = ParseCorpus("case q\n  edit " + QuoteBytes(bytes) + "\nend\n", "t.corpus");
    EXPECT_EQ(cases.at(0).steps.at(0).bytes, bytes);
}

}  // namespace
}  // namespace quorbel::test
