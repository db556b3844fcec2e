#pragma once
#include <cstdint>

namespace quorbel {

// Reports of change to the files of one folder, as the platform's change notification
// gives them: any write, creation, removal or renaming in the folder is one report
// (or part of one), whatever the time stamps say.
class ChangeWatch {
public:
    virtual ~ChangeWatch() = default;
    // True while changes to the folder that holds `path` are reported.
    virtual bool Covers(const char* path) const = 0;
    // How many reports have been taken in so far.
    virtual std::uint64_t Reports() const = 0;
    // Takes in a report that the platform holds ready and nobody has taken yet.
    virtual void TakeReports() = 0;
};

// The program folder's watch, or null where the platform has none.
ChangeWatch* PlatformChangeWatch();

}  // namespace quorbel
