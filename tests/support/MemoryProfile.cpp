#include "tests/support/MemoryProfile.h"

#include <algorithm>
#include <cstring>
#include <sstream>

#include "config/ConfigNames.h"
#include "config/IniPath.h"

namespace quorbel::test {

namespace {

bool SameName(const std::string& a, const char* b)
{
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
    return a.size() == std::strlen(b) &&
           std::equal(a.begin(), a.end(), b, [&](char x, char y) { return lower(x) == lower(y); });
}

// As GetPrivateProfileStringA: a value is cut to size − 1; a name list that does not fit
// is cut and answered with size − 2.
std::uint32_t CopyOut(const std::string& text, bool list, char* buffer, std::uint32_t size)
{
    const std::uint32_t room = list ? size - 2 : size - 1;
    const auto n = static_cast<std::uint32_t>(std::min<std::size_t>(text.size(), room));
    std::memcpy(buffer, text.data(), n);
    std::fill(buffer + n, buffer + std::min(n + 2, size), '\0');
    return n;
}

std::string Unix(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

}  // namespace

MemoryProfile::Section* MemoryProfile::Find(const std::string& path, const char* name)
{
    for (Section& s : files_[path])
        if (SameName(s.first, name))
            return &s;
    return nullptr;
}

std::uint32_t MemoryProfile::GetString(const char* section, const char* key, const char* fallback,
                                       char* buffer, std::uint32_t size, const char* path)
{
    if (!section || !key) {
        std::string list;
        if (!section)
            for (const Section& s : files_[path])
                list += s.first + '\0';
        else if (const Section* s = Find(path, section))
            for (const auto& kv : s->second)
                list += kv.first + '\0';
        return CopyOut(list, true, buffer, size);
    }
    if (const Section* s = Find(path, section))
        for (const auto& kv : s->second)
            if (SameName(kv.first, key))
                return CopyOut(kv.second, false, buffer, size);
    return CopyOut(fallback ? fallback : "", false, buffer, size);
}

std::uint32_t MemoryProfile::GetInt(const char* section, const char* key, std::int32_t fallback,
                                    const char* path)
{
    char value[32];
    if (GetString(section, key, "\x01", value, sizeof value, path) == 1 && value[0] == '\x01')
        return static_cast<std::uint32_t>(fallback);
    return static_cast<std::uint32_t>(std::atoi(value));
}

bool MemoryProfile::WriteString(const char* section, const char* key, const char* value,
                                const char* path)
{
    writes_.push_back({section, key ? key : "", !key || !value});
    auto& file = files_[path];
    Section* s = Find(path, section);
    if (!key) {
        if (s)
            file.erase(file.begin() + (s - file.data()));
    } else if (!value) {
        if (s)
            s->second.erase(std::remove_if(s->second.begin(), s->second.end(),
                                           [&](const auto& kv) { return SameName(kv.first, key); }),
                            s->second.end());
    } else {
        if (!s)
            s = &file.emplace_back(section, decltype(Section::second){});
        auto kv = std::find_if(s->second.begin(), s->second.end(),
                               [&](const auto& kv) { return SameName(kv.first, key); });
        if (kv != s->second.end())
            kv->second = value;
        else
            s->second.emplace_back(key, value);
    }
    return true;
}

bool MemoryProfile::WriteSection(const char* section, const char* lines, const char* path)
{
    writes_.push_back({section, "", false});
    Section* s = Find(path, section);
    if (!s)
        s = &files_[path].emplace_back(section, decltype(Section::second){});
    s->second.clear();
    for (const char* line = lines; *line; line += std::strlen(line) + 1) {
        const char* equals = std::strchr(line, '=');
        s->second.emplace_back(std::string(line, equals ? equals : line + std::strlen(line)),
                               equals ? equals + 1 : "");
    }
    return true;
}

void MemoryProfile::SetFile(const std::string& path, const std::string& text)
{
    auto& file = files_[path];
    file.clear();
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
            file.emplace_back(line.substr(1, line.size() - 2), decltype(Section::second){});
        else if (!file.empty() && line.find('=') != std::string::npos)
            file.back().second.emplace_back(line.substr(0, line.find('=')),
                                            line.substr(line.find('=') + 1));
    }
}

std::string MemoryProfile::FileText(const std::string& path) const
{
    std::string text;
    const auto file = files_.find(path);
    if (file != files_.end())
        for (const Section& s : file->second) {
            text += "[" + s.first + "]\r\n";
            for (const auto& kv : s.second)
                text += kv.first + "=" + kv.second + "\r\n";
        }
    return text;
}

MemoryProfileScope::MemoryProfileScope()
{
    SetProgramDirectory("C:\\Quorbel");
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

std::string MemoryProfileScope::Main() const
{
    return Unix(profile_.FileText(MainPath()));
}

std::string MemoryProfileScope::Submenu() const
{
    return Unix(profile_.FileText(SubmenuPath()));
}

}  // namespace quorbel::test
