#pragma once
#include <string>

namespace quorbel {

// One section of one INI file, named by value. Every call reads or writes the file at
// once through the active profile store: nothing is cached, so a hand edit of the file
// is seen by the next read.
class IniSection {
public:
    IniSection(std::string section, std::string path);

    const std::string& Name() const { return section_; }
    const std::string& Path() const { return path_; }

    // The same value may be pointed at another section of the same file.
    void SetName(std::string section) { section_ = std::move(section); }

    // The key's value, or `fallback` when the key, the section or the file is absent.
    // A value that fills the 1024-byte buffer is read again into 10240 bytes, and into
    // twice as many while it fills the buffer, up to 1.25 MB; only longer values come
    // back cut.
    std::string ReadString(const char* key, const char* fallback = "") const;

    // The signed decimal number at the start of the value; `fallback` when absent.
    int ReadInt(const char* key, int fallback) const;

    // Failures of writes are the caller's to ignore: the program never reports them.
    bool WriteString(const char* key, const std::string& value) const;
    bool WriteInt(const char* key, int value) const;
    bool RemoveKey(const char* key) const;
    bool Remove() const;

private:
    std::string section_;
    std::string path_;
};

}  // namespace quorbel
