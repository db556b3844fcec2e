#pragma once
#include <string>
#include <vector>

#include "config/ProfileApi.h"
#include "tests/support/Corpus.h"

namespace quorbel::test {

// Makes `api` the program's store for as long as it lives.
class ProfileScope {
public:
    explicit ProfileScope(ProfileApi& api) { UseProfile(&api); }
    ~ProfileScope() { UseProfile(nullptr); }
    ProfileScope(const ProfileScope&) = delete;
    ProfileScope& operator=(const ProfileScope&) = delete;
};

// Runs the steps of `c` meant for `who` against `profile` in a fresh directory, with
// `profile` as the program's store for the steps that go through IniSection and
// ListSectionKeys. Returns one message per step that gave something else than the
// corpus says; empty when the case holds.
std::vector<std::string> RunCorpusCase(const CorpusCase& c, Implementation who, ProfileApi& profile);

// The cases of the corpus directory, loaded once; a corpus that does not parse gives no
// cases and its error in `CorpusLoadError()`.
const std::vector<CorpusCase>& CorpusCases(const char* directory);
const std::string& CorpusLoadError();

// A name for a case that the test framework accepts (letters, digits, "_").
std::string CorpusTestName(const CorpusCase& c);

}  // namespace quorbel::test
