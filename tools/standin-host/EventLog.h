#pragma once
#include <string>

namespace standin {

// The host's log: one line per event, appended and closed at once so that a reader in
// another process sees every line as soon as it happened, and several hosts may share
// one file. Text is kept as the bytes the system code page gives; nothing is converted.
class EventLog {
public:
    explicit EventLog(std::string path) : path_(std::move(path)) {}

    // Does nothing when no path was given.
    void Write(const std::string& line) const;

private:
    std::string path_;
};

}  // namespace standin
