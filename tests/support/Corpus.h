#pragma once
#include <cstdint>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quorbel::test {

// The conformance corpus (format in tests/corpus/README): one set of answers that our
// store and the platform's are both held to.

enum class Implementation { Ours, Platform };

struct CorpusStep {
    std::string op;                                // "get", "int", "write", ...
    std::optional<Implementation> only;            // a step for one implementation alone
    std::vector<std::optional<std::string>> args;  // bytes, numbers as text; nullopt: null
    std::uint32_t size = 4096;                     // buffer size of `get`
    // Bytes, a number, "true"/"false", or names each ended by a zero byte; nullopt for
    // "none" and for `edit`.
    std::optional<std::string> expected;
    int line = 0;
};

struct CorpusCase {
    std::string id, about;
    std::string differs;    // the platform answers otherwise than the program's rules
    std::string layout;     // the platform lays the file out otherwise (same answers)
    std::string source;     // file:line of the case
    unsigned codePage = 0;  // 0: any single-byte code page
    std::optional<std::string> file;  // nullopt: no file at the start
    std::vector<CorpusStep> steps;

    bool HasStepsFor(Implementation who) const;
};

struct CorpusError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Throws CorpusError naming the line of a mistake.
std::vector<CorpusCase> ParseCorpus(std::string_view text, const std::string& sourceName);
// Every case of every *.corpus file in `directory`, files in name order.
std::vector<CorpusCase> LoadCorpus(const std::string& directory);
// Bytes written the way the corpus writes them.
std::string QuoteBytes(std::string_view bytes);

inline void PrintTo(const CorpusCase& c, std::ostream* out)
{
    *out << c.id << " (" << c.source << ")";
}

}  // namespace quorbel::test
