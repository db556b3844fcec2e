#pragma once
#include <cstdint>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quorbel::test {

// The conformance corpus: INI files, operations on them and what they give, run against
// our own profile store and against the platform's, so that both are held to the same
// answers. The format is described in tests/corpus/README.

enum class Implementation { Ours, Platform };

struct CorpusStep {
    enum class Op { Get, Int, Write, WriteSection, ReadString, ListKeys, ListSections, File, Edit };
    Op op = Op::Get;
    std::optional<Implementation> only;  // a step for one implementation alone
    std::optional<std::string> section;  // nullopt: a null pointer
    std::optional<std::string> key;
    std::optional<std::string> text;    // default, value or section lines
    std::uint32_t size = 4096;          // buffer size of `get`
    std::optional<std::int32_t> intArgument;

    std::string bytes;                // expected bytes (get, read-string, file) or new bytes (edit)
    bool noFile = false;              // file => none
    std::int32_t number = 0;          // expected by `int`
    bool success = false;             // expected by `write`, `write-section`
    std::vector<std::string> names;   // expected by `list-keys`, `list-sections`
    int line = 0;
};

struct CorpusCase {
    std::string id;
    std::string about;
    std::string differs;  // the platform answers otherwise than the program's rules
    std::string layout;   // the platform lays the file out otherwise (same answers)
    std::string source;   // file:line of the case
    unsigned codePage = 0;  // 0: any single-byte code page
    std::optional<std::string> file;  // nullopt: no file at the start
    std::vector<CorpusStep> steps;

    bool HasStepsFor(Implementation who) const;
};

struct CorpusError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Parses the cases of one corpus file; throws CorpusError naming the line of a mistake.
std::vector<CorpusCase> ParseCorpus(std::string_view text, const std::string& sourceName);

// Every case of every *.corpus file in `directory`, files in name order.
std::vector<CorpusCase> LoadCorpus(const std::string& directory);

// Bytes written the way the corpus writes them: "..." with \r \n \t \0 \\ \" \xHH.
std::string QuoteBytes(std::string_view bytes);

}  // namespace quorbel::test

namespace quorbel::test {
// How the test framework shows a case: by its name and place.
void PrintTo(const CorpusCase& c, std::ostream* out);
}  // namespace quorbel::test
