#include "tests/support/MemoryProfile.h"

#include <algorithm>
#include <cstring>
#include <sstream>

#include "config/ConfigNames.h"
#include "config/IniPath.h"

namespace quorbel::test {

namespace {

constexpr char kProgramDirectory[] = "C:\\Quorbel";

bool SameName(const std::string& a, const char* b)
{
    const std::size_t n = std::strlen(b);
    if (a.size() != n)
        return false;
    for (std::size_t i = 0; i < n; ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// Copies `text` as GetPrivateProfileStringA does: cut to size − 1 and zero-ended.
std::uint32_t CopyOut(const std::string& text, char* buffer, std::uint32_t size)
{
    if (size == 0)
        return 0;
    const std::size_t n = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<std::uint32_t>(n);
}

// A name list that does not fit is cut after whole bytes and answered with size − 2.
std::uint32_t CopyList(const std::vector<std::string>& names, char* buffer, std::uint32_t size)
{
    std::string list;
    for (const std::string& name : names) {
        list += name;
        list += '\0';
    }
    if (size < 2)
        return 0;
    if (list.size() + 1 <= size) {
        std::memcpy(buffer, list.data(), list.size());
        buffer[list.size()] = '\0';
        return static_cast<std::uint32_t>(list.size());
    }
    std::memcpy(buffer, list.data(), size - 2);
    buffer[size - 2] = '\0';
    buffer[size - 1] = '\0';
    return size - 2;
}

std::int32_t LeadingInt(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min<std::int64_t>(value * 10 + (text[i] - '0'), 0xFFFFFFFFll);
    return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace

MemoryProfile::Section* MemoryProfile::FindSection(const std::string& path, const char* name)
{
    auto file = files_.find(path);
    if (file == files_.end())
        return nullptr;
    for (Section& s : file->second)
        if (SameName(s.first, name))
            return &s;
    return nullptr;
}

const MemoryProfile::Section* MemoryProfile::FindSection(const std::string& path,
                                                         const char* name) const
{
    return const_cast<MemoryProfile*>(this)->FindSection(path, name);
}

std::uint32_t MemoryProfile::GetString(const char* section, const char* key,
                                       const char* fallback, char* buffer, std::uint32_t size,
                                       const char* path)
{
    std::vector<std::string> names;
    if (!section) {
        auto file = files_.find(path);
        if (file != files_.end())
            for (const Section& s : file->second)
                names.push_back(s.first);
        return CopyList(names, buffer, size);
    }
    const Section* s = FindSection(path, section);
    if (!key) {
        if (s)
            for (const auto& kv : s->second)
                names.push_back(kv.first);
        return CopyList(names, buffer, size);
    }
    if (s)
        for (const auto& kv : s->second)
            if (SameName(kv.first, key))
                return CopyOut(kv.second, buffer, size);
    return CopyOut(fallback ? fallback : "", buffer, size);
}

std::uint32_t MemoryProfile::GetInt(const char* section, const char* key, std::int32_t fallback,
                                    const char* path)
{
    if (const Section* s = FindSection(path, section))
        for (const auto& kv : s->second)
            if (SameName(kv.first, key))
                return static_cast<std::uint32_t>(LeadingInt(kv.second));
    return static_cast<std::uint32_t>(fallback);
}

bool MemoryProfile::WriteString(const char* section, const char* key, const char* value,
                                const char* path)
{
    using Kind = Write::Kind;
    writes_.push_back({!key ? Kind::RemoveSection : !value ? Kind::RemoveKey : Kind::Value, path,
                       section, key ? key : ""});
    File& file = files_[path];
    Section* s = FindSection(path, section);
    if (!key) {
        if (s)
            file.erase(file.begin() + (s - file.data()));
        return true;
    }
    if (!value) {
        if (s)
            s->second.erase(std::remove_if(s->second.begin(), s->second.end(),
                                           [&](const auto& kv) { return SameName(kv.first, key); }),
                            s->second.end());
        return true;
    }
    if (!s) {
        file.push_back({section, {}});
        s = &file.back();
    }
    for (auto& kv : s->second)
        if (SameName(kv.first, key)) {
            kv.second = value;
            return true;
        }
    s->second.emplace_back(key, value);
    return true;
}

bool MemoryProfile::WriteSection(const char* section, const char* lines, const char* path)
{
    writes_.push_back({Write::Kind::Section, path, section, ""});
    File& file = files_[path];
    Section* s = FindSection(path, section);
    if (!s) {
        file.push_back({section, {}});
        s = &file.back();
    }
    s->second.clear();
    for (const char* line = lines; *line; line += std::strlen(line) + 1) {
        const char* equals = std::strchr(line, '=');
        if (equals)
            s->second.emplace_back(std::string(line, equals), std::string(equals + 1));
        else
            s->second.emplace_back(std::string(line), std::string());
    }
    return true;
}

void MemoryProfile::SetFile(const std::string& path, const std::string& text)
{
    File file;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            file.push_back({line.substr(1, line.size() - 2), {}});
        } else if (!file.empty()) {
            const std::size_t equals = line.find('=');
            if (equals != std::string::npos)
                file.back().second.emplace_back(line.substr(0, equals), line.substr(equals + 1));
        }
    }
    files_[path] = std::move(file);
}

std::string MemoryProfile::FileText(const std::string& path) const
{
    auto file = files_.find(path);
    if (file == files_.end())
        return std::string();
    std::string text;
    for (const Section& s : file->second) {
        text += "[" + s.first + "]\r\n";
        for (const auto& kv : s.second)
            text += kv.first + "=" + kv.second + "\r\n";
    }
    return text;
}

MemoryProfileScope::MemoryProfileScope()
{
    SetProgramDirectory(kProgramDirectory);
    UseProfile(&profile_);
}

MemoryProfileScope::~MemoryProfileScope()
{
    UseProfile(nullptr);
    SetProgramDirectory(std::string());
}

std::string MemoryProfileScope::MainPath() const
{
    return IniPath(kMainIniFile);
}

std::string MemoryProfileScope::SubmenuPath() const
{
    return IniPath(kSubmenuIniFile);
}

}  // namespace quorbel::test

#if !defined(_WIN32)
namespace quorbel {

// The native build has no profile service of its own until our INI reader and writer
// are linked in; tests install a MemoryProfile, and this stands in meanwhile. Weak, so
// that the real definition wins wherever it is linked.
[[gnu::weak]] ProfileApi& PlatformProfile()
{
    static test::MemoryProfile standIn;
    return standIn;
}

}  // namespace quorbel
#endif
