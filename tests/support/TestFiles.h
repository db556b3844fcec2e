#pragma once
#include <string>

namespace quorbel::test {

// A fresh directory for one test, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    // The path of `name` inside the directory, with the platform's separator.
    std::string File(const std::string& name) const;

private:
    std::string path_;
};

// The whole content of a file as bytes; empty text when it cannot be read.
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);

// Replaces the file's content with `bytes` exactly (no line-end translation).
bool WriteFileBytes(const std::string& path, const std::string& bytes);

// Text with "\r\n" line ends from lines given with "\n": how our INI files look.
std::string Crlf(const std::string& text);

}  // namespace quorbel::test
