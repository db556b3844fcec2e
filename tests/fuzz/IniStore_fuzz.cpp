// Fuzzes our INI reader and writer: any bytes as a file, then a run of reads, writes,
// removals and whole-section writes steered by the input, each followed by a re-read
// that must give back what was written and leave every other key as it was.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "config/IniEditor.h"
#include "config/IniLineReader.h"
#include "config/IniName.h"
#include "config/IniQuery.h"
#include "config/ProfileBuffer.h"
#include "config/ProfileInteger.h"
#include "tests/fuzz/FuzzInput.h"

namespace quorbel::fuzz {
namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// With QUORBEL_FUZZ_TRACE set, replaying an input prints every step, to see which one
// broke a promise.
void Trace(const char* what, std::string_view a, std::string_view b = {}, std::string_view c = {})
{
    static const bool on = std::getenv("QUORBEL_FUZZ_TRACE") != nullptr;
    if (!on)
        return;
    std::fprintf(stderr, "%s", what);
    for (std::string_view text : {a, b, c}) {
        std::fprintf(stderr, " \"");
        for (unsigned char ch : text)
            std::fprintf(stderr, ch >= 0x20 && ch < 0x7F && ch != '"' ? "%c" : "\\x%02X", ch);
        std::fprintf(stderr, "\"");
    }
    std::fprintf(stderr, "\n");
}

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
    const int length = 1 + steer.Next() % 6;
    for (int i = 0; i < length; ++i) {
        std::string piece = pieces[steer.Next() % usable];
        // A lead byte pair only when the code page has it; otherwise plain letters.
        if (static_cast<unsigned char>(piece[0]) >= 0x80 && !lead.IsLead(static_cast<unsigned char>(piece[0])))
            piece = "q";
        text += piece;
    }
    text = std::string(TrimIniBlanks(text));
    if (text.empty() || (isValue && text[0] == '[') || (isValue && text[0] == ';'))
        text.insert(0, "v");
    return text;
}

// Raw bytes for robustness alone: anything at all.
std::string Raw(Steering& steer)
{
    std::string text;
    const int length = steer.Next() % 12;
    for (int i = 0; i < length; ++i)
        text += static_cast<char>(steer.Next());
    return text.substr(0, text.find('\0'));
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
            snapshot[{std::string(section), std::string(key)}] =
                value ? std::optional<std::string>(std::string(*value)) : std::nullopt;
        }
    return snapshot;
}

// Every pair read before reads the same after, except those `touched` says changed.
template <class Touched>
void RequireOthersUnchanged(const Snapshot& before, std::string_view text, const LeadByteTable& lead,
                            Touched touched)
{
    const IniQuery query(text, lead);
    for (const auto& [name, value] : before) {
        if (touched(name.first, name.second))
            continue;
        const auto now = query.Value(name.first, name.second);
        if (now.has_value() != value.has_value() || (now && *now != *value))
            Trace("changed", name.first, name.second, now ? *now : "<absent>");
        Require(now.has_value() == value.has_value());
        if (now)
            Require(*now == *value);
    }
}

std::string PickSection(Steering& steer, std::string_view text, const LeadByteTable& lead, bool& wellFormed)
{
    const auto names = IniQuery(text, lead).SectionNames();
    const std::uint8_t how = steer.Next();
    wellFormed = true;
    if (how % 4 == 0 && !names.empty()) {
        // A name cut short by a NUL byte can end in a blank, which lookups trim away.
        const std::string_view name = names[steer.Next() % names.size()];
        wellFormed = name == TrimIniBlanks(name);
        return std::string(name);
    }
    if (how % 4 == 1)
        return std::string();
    if (how % 8 == 2) {
        wellFormed = false;
        return Raw(steer);
    }
    return WellFormed(steer, lead, false);
}

std::string PickKey(Steering& steer, std::string_view text, const std::string& section,
                    const LeadByteTable& lead, bool& wellFormed)
{
    const auto names = IniQuery(text, lead).KeyNames(section);
    const std::uint8_t how = steer.Next();
    wellFormed = true;
    if (how % 3 == 0 && !names.empty()) {
        const std::string_view name = names[steer.Next() % names.size()];
        wellFormed = name == TrimIniBlanks(name);
        return std::string(name);
    }
    if (how % 8 == 1) {
        wellFormed = false;
        return Raw(steer);
    }
    return WellFormed(steer, lead, false);
}

void CheckBuffers(Steering& steer, std::string_view text, const LeadByteTable& lead)
{
    const IniQuery query(text, lead);
    const std::uint32_t size = 1 + steer.Next() % 40;
    // Exactly `size` bytes, so that a write past the end is caught.
    std::vector<char> buffer(size);
    const auto sections = query.SectionNames();
    std::uint32_t length = CopyProfileSectionList(sections, buffer.data(), size);
    Require(length < size && buffer[length] == '\0');

    std::string section = sections.empty() ? std::string() : std::string(sections[steer.Next() % sections.size()]);
    const auto keys = query.KeyNames(section);
    length = CopyProfileKeyList(keys, buffer.data(), size);
    Require(length < size && buffer[length] == '\0');
    if (length + 2 < size) {
        // A list that was not cut holds every name up to the first empty one.
        std::size_t at = 0;
        for (std::string_view key : keys) {
            if (key.empty())
                break;
            Require(std::string_view(buffer.data() + at) == key);
            at += key.size() + 1;
        }
    }
    for (std::string_view key : keys) {
        const auto value = query.Value(section, key);
        length = CopyProfileValue(value ? *value : "", buffer.data(), size);
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
        Trace("text", text);
        const Snapshot before = Take(text, lead);
        IniEditor editor(text, lead);
        bool sectionWellFormed = false;
        bool keyWellFormed = false;
        const std::string section = PickSection(steer, text, lead, sectionWellFormed);
        switch (steer.Next() % 5) {
        case 0: {
            const std::string key = PickKey(steer, text, section, lead, keyWellFormed);
            std::string value = steer.Next() % 8 ? WellFormed(steer, lead, true) : Raw(steer);
            const bool checkable = sectionWellFormed && keyWellFormed && value == TrimIniBlanks(value) &&
                                   value.find_first_of("\r\n") == std::string::npos &&
                                   !(value.size() >= 2 && (value[0] == '"' || value[0] == '\'')) &&
                                   !(key.size() && key[0] == '[' && value.find(']') != std::string::npos);
            Trace("set", section, key, value);
            editor.SetValue(section, key, value);
            if (checkable) {
                const auto now = IniQuery(text, lead).Value(section, key);
                Require(now.has_value() && *now == value);
                // A write looks its names up trimmed, so it may meet a key listed with
                // a blank at its end (one cut short by a NUL byte).
                RequireOthersUnchanged(before, text, lead, [&](const std::string& s, const std::string& k) {
                    return SameIniName(TrimIniBlanks(s), TrimIniBlanks(section), lead) &&
                           SameIniName(TrimIniBlanks(k), TrimIniBlanks(key), lead);
                });
            }
            break;
        }
        case 1: {
            const std::string key = PickKey(steer, text, section, lead, keyWellFormed);
            Trace("remove key", section, key);
            editor.RemoveKey(section, key);
            if (sectionWellFormed && keyWellFormed)
                RequireOthersUnchanged(before, text, lead, [&](const std::string& s, const std::string& k) {
                    return SameIniName(TrimIniBlanks(s), section, lead) &&
                           SameIniName(TrimIniBlanks(k), key, lead);
                });
            break;
        }
        case 2: {
            const std::size_t count = IniQuery(text, lead).SectionNames().size();
            Trace("remove section", section);
            editor.RemoveSection(section);
            const std::size_t after = IniQuery(text, lead).SectionNames().size();
            if (!section.empty() && sectionWellFormed)
                Require(after == count || after == count - 1);
            break;
        }
        case 3: {
            std::vector<std::string> keys;
            std::vector<std::string> values;
            const int count = steer.Next() % 5;
            for (int i = 0; i < count; ++i) {
                keys.push_back(WellFormed(steer, lead, false));
                values.push_back(WellFormed(steer, lead, true));
            }
            IniEditor::Entries entries;
            for (int i = 0; i < count; ++i)
                entries.emplace_back(keys[i], values[i]);
            Trace("replace section", section);
            editor.ReplaceSection(section, entries);
            if (sectionWellFormed && count > 0) {
                const IniQuery query(text, lead);
                const auto listed = query.KeyNames(section);
                Require(listed.size() == keys.size());
                for (int i = 0; i < count; ++i) {
                    Require(listed[i] == keys[i]);
                    // Of keys equal but for letter case, the first is the one read.
                    int first = 0;
                    while (!SameIniName(keys[first], keys[i], lead))
                        ++first;
                    const auto value = query.Value(section, keys[i]);
                    Require(value.has_value() && *value == values[first]);
                }
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
