#include "config/IniFileProfile.h"

#include <string>
#include <string_view>

#include "config/FileBytes.h"
#include "config/IniEditor.h"
#include "config/IniQuery.h"
#include "config/MultiByteText.h"
#include "config/ProfileBuffer.h"
#include "config/ProfileInteger.h"

namespace quorbel {

namespace {

// The platform reads integers through a buffer of 30 characters: digits past the 29th
// are never seen.
constexpr std::uint32_t kIntegerBufferSize = 30;

// The file's text for reading; a file that cannot be read reads as an empty one.
std::string ReadText(const char* path)
{
    std::string text;
    if (!path || ReadWholeFile(path, text) != FileRead::Read)
        text.clear();
    return text;
}

// Reads the file, lets `edit` change its text and writes it back when that changed
// anything. A file that is there but cannot be read is never replaced: we would not know
// what to keep of it.
template <class Edit>
bool EditFile(const char* path, Edit edit)
{
    if (!path)
        return false;
    std::string text;
    if (ReadWholeFile(path, text) == FileRead::Failed)
        return false;
    std::string edited = text;
    IniEditor editor(edited, ActiveLeadBytes());
    edit(editor);
    if (edited == text)
        return !IsReadOnlyFile(path);
    return ReplaceWholeFile(path, edited);
}

}  // namespace

std::uint32_t IniFileProfile::GetString(const char* section, const char* key, const char* fallback,
                                        char* buffer, std::uint32_t size, const char* path)
{
    if (!buffer || size == 0)
        return 0;
    const std::string_view def = TrimProfileDefault(fallback ? fallback : "");
    const std::string text = ReadText(path);
    const IniQuery query(text, ActiveLeadBytes());

    if (!section)
        return CopyProfileSectionList(query.SectionNames(), buffer, size);
    if (key) {
        const auto value = query.Value(section, key);
        return CopyProfileValue(value ? *value : def, buffer, size);
    }
    const std::uint32_t length = CopyProfileKeyList(query.KeyNames(section), buffer, size);
    // An empty list (or one whose first name is empty) gives the default instead.
    if (buffer[0] == '\0')
        return CopyProfileValue(def, buffer, size);
    return length;
}

std::uint32_t IniFileProfile::GetInt(const char* section, const char* key, std::int32_t fallback,
                                     const char* path)
{
    if (!section || !key)
        return static_cast<std::uint32_t>(fallback);
    const std::string text = ReadText(path);
    const auto value = IniQuery(text, ActiveLeadBytes()).Value(section, key);
    if (!value)
        return static_cast<std::uint32_t>(fallback);
    char digits[kIntegerBufferSize];
    const std::uint32_t length = CopyProfileValue(*value, digits, kIntegerBufferSize);
    // The platform reads the value as a string first and gives the default when that
    // comes back empty: "k=" and "k=\"\"" read as an absent key, not as 0.
    if (length == 0)
        return static_cast<std::uint32_t>(fallback);
    return static_cast<std::uint32_t>(ParseProfileInt(std::string_view(digits, length)));
}

bool IniFileProfile::WriteString(const char* section, const char* key, const char* value,
                                 const char* path)
{
    if (!section)
        return false;
    return EditFile(path, [&](IniEditor& editor) {
        if (!key)
            editor.RemoveSection(section);
        else if (!value)
            editor.RemoveKey(section, key);
        else
            editor.SetValue(section, key, value);
    });
}

bool IniFileProfile::WriteSection(const char* section, const char* lines, const char* path)
{
    if (!section)
        return false;
    if (!lines)
        return WriteString(section, nullptr, nullptr, path);
    IniEditor::Entries entries;
    for (const char* line = lines; *line; line += std::string_view(line).size() + 1) {
        const std::string_view text(line);
        const std::size_t equals = text.find('=');
        // A line without "=" names no key: the platform skips it.
        if (equals != std::string_view::npos)
            entries.emplace_back(text.substr(0, equals), text.substr(equals + 1));
    }
    return EditFile(path, [&](IniEditor& editor) { editor.ReplaceSection(section, entries); });
}

}  // namespace quorbel
