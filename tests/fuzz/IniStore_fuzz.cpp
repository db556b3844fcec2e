// Fuzzes our INI reader and writer: any bytes as a file, then a run of reads, writes,
// removals and whole-section writes steered by the input, each followed by a re-read
// that must give back what was written and leave every other key as it was.
#include <map>
#include <optional>
#include <string>

#include "config/IniEditor.h"
#include "config/IniName.h"
#include "config/IniQuery.h"
#include "config/ProfileBuffer.h"
#include "config/ProfileInteger.h"
#include "tests/fuzz/FuzzInput.h"

namespace quorbel::fuzz {
namespace {

// Names and values that the store must give back exactly as written: no line ends, no
// NUL, no blanks at either end, no quotes around, nothing that would start a comment or
// a header or end a key. Double-byte characters come whole.
std::string WellFormed(Steering& steer, const LeadByteTable& lead, bool isValue)
{
    static const char* const pieces[] = {"a", "B", "7", "-", ".", "_", "|", "\\", ",", "x y",
                                         "\x83\x41", "\x83\x61", "\x83\x5D", "\x95\x5C",
                                         "\x81\x41", "\xB0\xA1", "=", "[", ";", "]"};
    const std::size_t usable = isValue ? 20 : 16;  // names take no "=", "[", ";" or "]"
    std::string text;
    for (int i = 1 + steer.Next() % 6; i > 0; --i) {
        const std::string_view piece = pieces[steer.Next() % usable];
        // A lead byte pair only when the code page has it; otherwise a plain letter.
        text += static_cast<unsigned char>(piece[0]) >= 0x80 && !lead.IsLead(static_cast<unsigned char>(piece[0]))
                    ? "q"
                    : piece;
    }
    text = std::string(TrimIniBlanks(text));
    if (text.empty() || (isValue && (text[0] == '[' || text[0] == ';')))
        text.insert(0, "v");
    return text;
}

// Raw bytes for robustness alone: anything at all.
std::string Raw(Steering& steer)
{
    std::string text;
    for (int i = steer.Next() % 12; i > 0; --i)
        text += static_cast<char>(steer.Next());
    return text.substr(0, text.find('\0'));
}

// A name to act on: one the text has, the empty one (sections only), raw bytes, or a new
// well-formed one. `wellFormed` says whether a lookup by the name finds it as it is.
std::string Pick(Steering& steer, const std::vector<std::string_view>& names, bool section,
                 const LeadByteTable& lead, bool& wellFormed)
{
    const std::uint8_t how = steer.Next();
    wellFormed = true;
    if (how % (section ? 4 : 3) == 0 && !names.empty()) {
        // A name cut short by a NUL byte can end in a blank, which lookups trim away.
        const std::string_view name = names[steer.Next() % names.size()];
        wellFormed = name == TrimIniBlanks(name);
        return std::string(name);
    }
    if (section && how % 4 == 1)
        return std::string();
    if (how % 8 == (section ? 2 : 1)) {
        wellFormed = false;
        return Raw(steer);
    }
    return WellFormed(steer, lead, false);
}

// What every section (first of its name) and key of the text read as.
using Snapshot = std::map<std::pair<std::string, std::string>, std::optional<std::string>>;

Snapshot Take(std::string_view text, const LeadByteTable& lead)
{
    const IniQuery query(text, lead);
    std::vector<std::string_view> sections = query.SectionNames();
    sections.push_back("");
    Snapshot snapshot;
    for (std::string_view section : sections)
        for (std::string_view key : query.KeyNames(section)) {
            const auto value = query.Value(section, key);
            snapshot[{std::string(section), std::string(key)}] = value ? std::optional<std::string>(*value) : std::nullopt;
        }
    return snapshot;
}

// Every pair read before reads the same after, except the one written or removed. A
// write looks its names up trimmed, so it may meet a key listed with a blank at its end
// (one cut short by a NUL byte).
void RequireOthersUnchanged(const Snapshot& before, std::string_view text, const std::string& section,
                            const std::string& key, const LeadByteTable& lead)
{
    const IniQuery query(text, lead);
    for (const auto& [name, value] : before) {
        if (SameIniName(TrimIniBlanks(name.first), TrimIniBlanks(section), lead) &&
            SameIniName(TrimIniBlanks(name.second), TrimIniBlanks(key), lead))
            continue;
        const auto now = query.Value(name.first, name.second);
        Require(now.has_value() == value.has_value() && (!now || *now == *value));
    }
}

// Exactly `size` bytes, so that a write past the end is caught.
void CheckBuffers(Steering& steer, std::string_view text, const LeadByteTable& lead)
{
    const IniQuery query(text, lead);
    const std::uint32_t size = 1 + steer.Next() % 40;
    std::vector<char> buffer(size);
    const auto sections = query.SectionNames();
    std::uint32_t length = CopyProfileSectionList(sections, buffer.data(), size);
    Require(length < size && buffer[length] == '\0');

    const std::string section = sections.empty() ? std::string() : std::string(sections[steer.Next() % sections.size()]);
    const auto keys = query.KeyNames(section);
    length = CopyProfileKeyList(keys, buffer.data(), size);
    Require(length < size && buffer[length] == '\0');
    // A list that was not cut holds every name up to the first empty one.
    for (std::size_t at = 0, n = 0; length + 2 < size && n < keys.size() && !keys[n].empty(); at += keys[n++].size() + 1)
        Require(std::string_view(buffer.data() + at) == keys[n]);
    for (std::string_view key : keys) {
        length = CopyProfileValue(query.Value(section, key).value_or(""), buffer.data(), size);
        Require(length < size && buffer[length] == '\0');
        ParseProfileInt(std::string_view(buffer.data(), length));
    }
}

void Run(SplitInput input)
{
    Steering& steer = input.steering;
    const LeadByteTable lead = ChooseLeadBytes(steer.Next());
    std::string text(input.text);

    for (int step = 0; step < 8 && !steer.Done(); ++step) {
        const Snapshot before = Take(text, lead);
        IniEditor editor(text, lead);
        bool sectionWellFormed = false;
        bool keyWellFormed = false;
        const std::string section = Pick(steer, IniQuery(text, lead).SectionNames(), true, lead, sectionWellFormed);
        const auto pickKey = [&] { return Pick(steer, IniQuery(text, lead).KeyNames(section), false, lead, keyWellFormed); };
        switch (steer.Next() % 5) {
        case 0: {
            const std::string key = pickKey();
            const std::string value = steer.Next() % 8 ? WellFormed(steer, lead, true) : Raw(steer);
            editor.SetValue(section, key, value);
            const bool checkable = sectionWellFormed && keyWellFormed && value == TrimIniBlanks(value) &&
                                   value.find_first_of("\r\n") == std::string::npos &&
                                   !(value.size() >= 2 && (value[0] == '"' || value[0] == '\'')) &&
                                   !(!key.empty() && key[0] == '[' && value.find(']') != std::string::npos);
            if (checkable) {
                Require(IniQuery(text, lead).Value(section, key) == std::optional<std::string_view>(value));
                RequireOthersUnchanged(before, text, section, key, lead);
            }
            break;
        }
        case 1: {
            const std::string key = pickKey();
            editor.RemoveKey(section, key);
            if (sectionWellFormed && keyWellFormed)
                RequireOthersUnchanged(before, text, section, key, lead);
            break;
        }
        case 2: {
            const std::size_t count = IniQuery(text, lead).SectionNames().size();
            editor.RemoveSection(section);
            const std::size_t after = IniQuery(text, lead).SectionNames().size();
            if (!section.empty() && sectionWellFormed)
                Require(after == count || after == count - 1);
            break;
        }
        case 3: {
            std::vector<std::pair<std::string, std::string>> rows(steer.Next() % 5);
            for (auto& [key, value] : rows) {
                key = WellFormed(steer, lead, false);
                value = WellFormed(steer, lead, true);
            }
            editor.ReplaceSection(section, IniEditor::Entries(rows.begin(), rows.end()));
            if (!sectionWellFormed || rows.empty())
                break;
            const IniQuery query(text, lead);
            const auto listed = query.KeyNames(section);
            Require(listed.size() == rows.size());
            for (std::size_t i = 0; i < rows.size(); ++i) {
                Require(listed[i] == rows[i].first);
                // Of keys equal but for letter case, the first is the one read.
                std::size_t first = 0;
                while (!SameIniName(rows[first].first, rows[i].first, lead))
                    ++first;
                Require(query.Value(section, rows[i].first) == std::optional<std::string_view>(rows[first].second));
            }
            break;
        }
        case 4: CheckBuffers(steer, text, lead); break;
        }
    }
}

}  // namespace
}  // namespace quorbel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    quorbel::fuzz::Run(quorbel::fuzz::Split(data, size));
    return 0;
}
