#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "config/ProfileApi.h"

namespace quorbel::test {

// An in-memory profile store with the platform's rules: names match without regard to
// letter case, a written key keeps its place (new ones go to the end of their section,
// new sections to the end of the file), WriteSection replaces a section in place, lists
// are zero-separated and cut as GetPrivateProfileStringA cuts them. Files are keyed by
// their path text. Every write is logged, so a test can count what an operation wrote.
class MemoryProfile : public ProfileApi {
public:
    std::uint32_t GetString(const char* section, const char* key, const char* fallback,
                            char* buffer, std::uint32_t size, const char* path) override;
    std::uint32_t GetInt(const char* section, const char* key, std::int32_t fallback,
                         const char* path) override;
    bool WriteString(const char* section, const char* key, const char* value,
                     const char* path) override;
    bool WriteSection(const char* section, const char* lines, const char* path) override;

    // Replaces the file with INI text ("[name]" lines and "key=value" lines, "\n" or
    // "\r\n" ends); other lines are ignored.
    void SetFile(const std::string& path, const std::string& text);

    // The file as our writer would store it: "[name]\r\n" and "key=value\r\n" lines.
    // Empty text for a file that does not exist or holds nothing.
    std::string FileText(const std::string& path) const;

    bool FileExists(const std::string& path) const { return files_.count(path) != 0; }

    struct Write {
        enum class Kind { Value, RemoveKey, RemoveSection, Section };
        Kind kind;
        std::string path;
        std::string section;
        std::string key;
    };
    const std::vector<Write>& Writes() const { return writes_; }
    void ClearWrites() { writes_.clear(); }

private:
    using Section = std::pair<std::string, std::vector<std::pair<std::string, std::string>>>;
    using File = std::vector<Section>;

    Section* FindSection(const std::string& path, const char* name);
    const Section* FindSection(const std::string& path, const char* name) const;

    std::map<std::string, File> files_;
    std::vector<Write> writes_;
};

// Installs a MemoryProfile as the program's store and a fixed program directory for the
// lifetime of the object, so that IniPath names files of the memory store.
class MemoryProfileScope {
public:
    MemoryProfileScope();
    ~MemoryProfileScope();
    MemoryProfileScope(const MemoryProfileScope&) = delete;
    MemoryProfileScope& operator=(const MemoryProfileScope&) = delete;

    MemoryProfile& Store() { return profile_; }

    // The two files by name.
    std::string MainPath() const;
    std::string SubmenuPath() const;

    void SetMain(const std::string& text) { profile_.SetFile(MainPath(), text); }
    void SetSubmenu(const std::string& text) { profile_.SetFile(SubmenuPath(), text); }
    std::string Main() const { return profile_.FileText(MainPath()); }
    std::string Submenu() const { return profile_.FileText(SubmenuPath()); }

private:
    MemoryProfile profile_;
};

}  // namespace quorbel::test
