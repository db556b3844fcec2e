#include "tests/support/TestFiles.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace quorbel::test {

namespace fs = std::filesystem;

TempDir::TempDir()
{
    // Test programs run side by side: the time and a counter keep their folders apart.
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
    std::error_code error;
    do
        path_ = (fs::temp_directory_path() / ("quorbel-test-" + stamp + "-" + std::to_string(counter++))).string();
    while (!fs::create_directory(path_, error));
}

TempDir::~TempDir()
{
    std::error_code error;
    fs::remove_all(fs::path(path_), error);
}

std::string TempDir::File(const std::string& name) const
{
    return (fs::path(path_) / name).string();
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& path)
{
    std::error_code error;
    return fs::exists(fs::path(path), error);
}

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    return static_cast<bool>(out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())));
}

std::string Crlf(const std::string& text)
{
    std::string out;
    for (char c : text)
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

}  // namespace quorbel::test
