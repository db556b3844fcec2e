#pragma once
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
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
    std::string id;
    std::string source;               // file:line of the case
    unsigned codePage = 0;            // 0: any single-byte code page
    std::optional<std::string> file;  // nullopt: no file at the start
    std::vector<CorpusStep> steps;
};

// Every case of every *.corpus file in `directory`, files in name order. Throws
// std::runtime_error naming the line of a mistake.
std::vector<CorpusCase> LoadCorpus(const std::string& directory);

inline void PrintTo(const CorpusCase& c, std::ostream* out)
{
    *out << c.id << " (" << c.source << ")";
}

}  // namespace quorbel::test
