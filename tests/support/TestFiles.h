#pragma once
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace quorbel::test {

// A fresh directory for one test, removed with everything in it at the end.
class TempDir {
public:
    TempDir()
    {
        // Test programs run side by side: the time and a counter keep their folders apart.
        static std::atomic<unsigned> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        std::error_code error;
        do
            path_ = (std::filesystem::temp_directory_path() /
                     ("quorbel-test-" + std::to_string(stamp) + "-" + std::to_string(counter++)))
                        .string();
        while (!std::filesystem::create_directory(path_, error));
    }
    ~TempDir()
    {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    // The path of `name` inside the directory, with the platform's separator.
    std::string File(const std::string& name) const { return (std::filesystem::path(path_) / name).string(); }

private:
    std::string path_;
};

// The whole content of a file as bytes; empty text when it cannot be read.
inline std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Replaces the file's content with `bytes` exactly (no line-end translation).
inline bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    return static_cast<bool>(out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())));
}

// Text with "\r\n" line ends from lines given with "\n": how our INI files look.
inline std::string Crlf(const std::string& text)
{
    std::string out;
    for (char c : text)
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

}  // namespace quorbel::test
