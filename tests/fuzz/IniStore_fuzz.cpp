// Fuzzes our INI reader and writer: any bytes as a file, then writes, removals and reads
// steered by the input. Nothing may crash, every buffer must come back terminated, a
// value written under well-formed names must read back as written, and writing or
// removing one key must leave another as it was.
#include <string>
#include <vector>

#include "config/IniEditor.h"
#include "config/IniName.h"
#include "config/IniQuery.h"
#include "config/ProfileBuffer.h"
#include "config/ProfileInteger.h"
#include "tests/fuzz/FuzzInput.h"

namespace quorbel::fuzz {
namespace {

// Names and values the store must give back exactly: no line ends, no blanks at either
// end, no quotes around; values may hold "=", names may not. Double-byte characters
// whose trail byte is "\" or "A" come whole.
std::string WellFormed(FuzzInput& in, bool value)
{
    static const char* const pieces[] = {"a", "B", "7", "x y", "|", "\\", ",", "\x83\x41", "\x95\x5C", "\xB0\xA1", "="};
    std::string text;
    for (int n = 1 + in.Next() % 4; n > 0; --n)
        text += pieces[in.Next() % (value ? 11 : 10)];
    return text;
}

void Run(FuzzInput in)
{
    std::string text(in.text);
    for (int step = 0; step < 8 && !in.steering.empty(); ++step) {
        IniEditor editor(text, in.lead);
        const std::string section = WellFormed(in, false);
        const std::string key = WellFormed(in, false);
        const std::string value = WellFormed(in, true);
        const std::string other = WellFormed(in, false);
        const IniQuery query(text, in.lead);
        const std::optional<std::string> before(query.Value(section, other));
        const int op = in.Next() % 5;
        // Into exactly `size` bytes, so that a write past the end is caught.
        const auto copied = [size = 1u + in.Next() % 40](auto copy, const auto& what) {
            std::vector<char> buffer(size);
            const std::uint32_t length = copy(what, buffer.data(), size);
            Require(length < size && buffer[length] == '\0');
        };
        switch (op) {
        case 0:
            editor.SetValue(section, key, value);
            Require(IniQuery(text, in.lead).Value(section, key) == std::optional<std::string_view>(value));
            break;
        case 1: editor.RemoveKey(section, key); break;
        case 2: editor.RemoveSection(section); break;
        case 3: editor.ReplaceSection(section, {{key, value}, {value, key}}); break;
        case 4:
            copied(CopyProfileSectionList, query.SectionNames());
            copied(CopyProfileKeyList, query.KeyNames(section));
            copied(CopyProfileValue, query.Value(section, key).value_or(in.text));
            ParseProfileInt(query.Value(section, key).value_or(in.text));
            break;
        }
        if (op < 2 && !SameIniName(key, other, in.lead))
            Require(IniQuery(text, in.lead).Value(section, other) == before);
    }
}

}  // namespace
}  // namespace quorbel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    quorbel::fuzz::Run(quorbel::fuzz::FuzzInput(data, size));
    return 0;
}
