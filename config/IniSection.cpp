#include "config/IniSection.h"

#include <cstdio>
#include <vector>

#include "config/ProfileApi.h"

namespace quorbel {

namespace {
constexpr std::uint32_t kFirstReadSize = 1024;
constexpr std::uint32_t kSecondReadSize = 10240;
constexpr std::uint32_t kLargestReadSize = kSecondReadSize << 7;
}  // namespace

IniSection::IniSection(std::string section, std::string path)
    : section_(std::move(section)), path_(std::move(path))
{
}

std::string IniSection::ReadString(const char* key, const char* fallback) const
{
    char small[kFirstReadSize];
    std::uint32_t length = Profile().GetString(section_.c_str(), key, fallback, small,
                                               kFirstReadSize, path_.c_str());
    if (length < kFirstReadSize - 1)
        return std::string(small, length);

    // The value filled the buffer: it may have been cut, so read it again, larger, until
    // it fits. The editing dialogs write back what they read, and a value read cut would
    // be stored cut. A cut value comes back one short of the buffer, a quoted one two.
    std::vector<char> large;
    for (std::uint32_t size = kSecondReadSize;; size *= 2) {
        large.resize(size);
        length = Profile().GetString(section_.c_str(), key, fallback, large.data(), size,
                                     path_.c_str());
        if (length + 2 < size || size >= kLargestReadSize)
            return std::string(large.data(), length);
    }
}

int IniSection::ReadInt(const char* key, int fallback) const
{
    return static_cast<int>(Profile().GetInt(section_.c_str(), key, fallback, path_.c_str()));
}

bool IniSection::WriteString(const char* key, const std::string& value) const
{
    return Profile().WriteString(section_.c_str(), key, value.c_str(), path_.c_str());
}

bool IniSection::WriteInt(const char* key, int value) const
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return Profile().WriteString(section_.c_str(), key, text, path_.c_str());
}

bool IniSection::RemoveKey(const char* key) const
{
    return Profile().WriteString(section_.c_str(), key, nullptr, path_.c_str());
}

bool IniSection::Remove() const
{
    return Profile().WriteString(section_.c_str(), nullptr, nullptr, path_.c_str());
}

}  // namespace quorbel
