#pragma once
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "config/ProfileApi.h"

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

inline void PrintTo(const CorpusCase& c, std::ostream* out)
{
    *out << c.id << " (" << c.source << ")";
}

// Makes `api` the program's store for as long as it lives.
class ProfileScope {
public:
    explicit ProfileScope(ProfileApi& api) { UseProfile(&api); }
    ~ProfileScope() { UseProfile(nullptr); }
    ProfileScope(const ProfileScope&) = delete;
    ProfileScope& operator=(const ProfileScope&) = delete;
};

// Every case of every *.corpus file in `directory`, files in name order, loaded once. A
// mistake in the corpus throws std::runtime_error naming its line, which ends the test
// program before any case could pass unread.
const std::vector<CorpusCase>& CorpusCases(const char* directory);

// Runs the steps of `c` meant for `who` against `profile` in a fresh directory, with
// `profile` as the program's store for the steps that go through IniSection and
// ListSectionKeys. Returns one message per step that gave something else than the
// corpus says; empty when the case holds.
std::vector<std::string> RunCorpusCase(const CorpusCase& c, Implementation who, ProfileApi& profile);

// A name for a case that the test framework accepts (letters, digits, "_").
std::string CorpusTestName(const CorpusCase& c);

}  // namespace quorbel::test
