#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "config/ProfileApi.h"

namespace quorbel::test {

// An in-memory profile store with the platform's rules: names match without regard to
// letter case, a written key keeps its place (new keys go to the end of their section,
// new sections to the end of the file), WriteSection replaces a section in place. Files
// are keyed by path. Every write is logged, so a test can see what an operation wrote.
class MemoryProfile : public ProfileApi {
public:
    std::uint32_t GetString(const char* section, const char* key, const char* fallback,
                            char* buffer, std::uint32_t size, const char* path) override;
    std::uint32_t GetInt(const char* section, const char* key, std::int32_t fallback,
                         const char* path) override;
    bool WriteString(const char* section, const char* key, const char* value,
                     const char* path) override;
    bool WriteSection(const char* section, const char* lines, const char* path) override;

    // Replaces the file with INI text: "[name]" and "key=value" lines ended by "\n".
    void SetFile(const std::string& path, const std::string& text);
    // The file as "[name]\r\n" and "key=value\r\n" lines; empty when it holds nothing.
    std::string FileText(const std::string& path) const;

    struct Write {
        std::string section;
        std::string key;  // empty for a section write or removal
        bool removes;     // a null value or a null key
    };
    const std::vector<Write>& Writes() const { return writes_; }
    void ClearWrites() { writes_.clear(); }

private:
    using Section = std::pair<std::string, std::vector<std::pair<std::string, std::string>>>;
    Section* Find(const std::string& path, const char* name);

    std::map<std::string, std::vector<Section>> files_;
    std::vector<Write> writes_;
};

// Installs a MemoryProfile and a fixed program directory for the life of the object, so
// that IniPath names files of the memory store.
class MemoryProfileScope {
public:
    MemoryProfileScope();
    ~MemoryProfileScope();
    MemoryProfileScope(const MemoryProfileScope&) = delete;
    MemoryProfileScope& operator=(const MemoryProfileScope&) = delete;

    MemoryProfile& Store() { return profile_; }
    std::string MainPath() const;
    std::string SubmenuPath() const;

    void SetMain(const std::string& text) { profile_.SetFile(MainPath(), text); }
    void SetSubmenu(const std::string& text) { profile_.SetFile(SubmenuPath(), text); }
    // The files with "\n" line ends, to compare with text as the tests write it.
    std::string Main() const;
    std::string Submenu() const;

private:
    MemoryProfile profile_;
};

}  // namespace quorbel::test
