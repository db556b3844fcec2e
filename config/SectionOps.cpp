#include "config/SectionOps.h"

#include <new>
#include <optional>

#include "config/ProfileApi.h"

namespace quorbel {

namespace {

constexpr std::uint32_t kFirstListSize = 20000;
constexpr std::uint32_t kValueSize = 10240;
// A hand-made value may be longer than anything the program writes, and a section
// rewritten from a cut reading would lose its end for good. Past a megabyte the file is
// not one of ours to rewrite at all: the caller leaves it alone.
constexpr std::uint32_t kLargestValueSize = kValueSize << 7;
// Twenty megabytes of names: no INI file of the program comes near, and a store that
// reports every list cut must not lead us on until the address space runs out.
constexpr std::uint32_t kLargestListSize = kFirstListSize << 10;

// Reads a zero-separated name list (section == nullptr: section names), growing the
// buffer while the service reports it cut. A cut list comes back with the size minus
// two; the platform says minus one when it had to cut double-byte names while turning
// them into the code page, so both count as cut.
bool ReadNameList(const char* section, const std::string& path, std::vector<std::string>& names)
{
    names.clear();
    try {
        std::vector<char> buffer(kFirstListSize);
        std::uint32_t length = 0;
        for (;;) {
            const auto size = static_cast<std::uint32_t>(buffer.size());
            length = Profile().GetString(section, nullptr, nullptr, buffer.data(), size,
                                         path.c_str());
            if (length + 2 < size)
                break;
            if (size >= kLargestListSize)
                return false;
            buffer.assign(buffer.size() * 2, '\0');
        }
        for (std::uint32_t i = 0; i < length;) {
            std::string name(buffer.data() + i);
            if (name.empty())
                break;
            i += static_cast<std::uint32_t>(name.size()) + 1;
            names.push_back(std::move(name));
        }
        return true;
    } catch (const std::bad_alloc&) {
        names.clear();
        return false;
    }
}

}  // namespace

// Doubles the buffer while the value may have been cut. A cut value comes back with the
// size minus one, and a quoted one can lose its last character as well (minus two), so
// both count as cut.
std::optional<std::string> ReadWholeValue(const std::string& section, const std::string& key,
                                          const std::string& path)
{
    try {
        for (std::uint32_t size = kValueSize;; size *= 2) {
            std::vector<char> value(size);
            const std::uint32_t length = Profile().GetString(section.c_str(), key.c_str(), "",
                                                             value.data(), size, path.c_str());
            if (length + 2 < size)
                return std::string(value.data(), length);
            if (size >= kLargestValueSize)
                return std::nullopt;
        }
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

bool ListSectionKeys(const std::string& section, const std::string& path,
                     std::vector<std::string>& keys)
{
    return ReadNameList(section.c_str(), path, keys);
}

bool ListSectionNames(const std::string& path, std::vector<std::string>& names)
{
    return ReadNameList(nullptr, path, names);
}

std::optional<IniEntries> ReadSectionEntries(const std::string& section, const std::string& path)
{
    std::vector<std::string> keys;
    ListSectionKeys(section, path, keys);
    IniEntries entries;
    entries.reserve(keys.size());
    for (std::string& key : keys) {
        std::optional<std::string> value = ReadWholeValue(section, key, path);
        if (!value)
            return std::nullopt;
        entries.emplace_back(std::move(key), std::move(*value));
    }
    return entries;
}

bool ReplaceSection(const std::string& section, const IniEntries& entries,
                    const std::string& path)
{
    std::string lines;
    for (const auto& [key, value] : entries) {
        lines += key;
        lines += '=';
        lines += value;
        lines += '\0';
    }
    lines += '\0';
    return Profile().WriteSection(section.c_str(), lines.c_str(), path.c_str());
}

}  // namespace quorbel
