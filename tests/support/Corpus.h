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
    std::string op;                                // "get", "int", "write", ...
    std::optional<Implementation> only;            // a step for one implementation alone
    std::vector<std::optional<std::string>> args;  // bytes, numbers as text; nullopt: null
    std::uint32_t size = 4096;                     // buffer size of `get`
    // What the step gives, as text: bytes, a number, "true"/"false", or a list of names
    // each ended by a zero byte; nullopt for "none" (and for `edit`, which gives nothing).
    std::optional<std::string> expected;
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

// How the test framework shows a case: by its name and place.
inline void PrintTo(const CorpusCase& c, std::ostream* out)
{
    *out << c.id << " (" << c.source << ")";
}

}  // namespace quorbel::test
