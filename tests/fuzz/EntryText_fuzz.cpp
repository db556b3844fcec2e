// Fuzzes the splitting of a folder-menu entry ("label|path") and of a folder path ("\")
// against a reference that first cuts the text into characters of the code page.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "config/MultiByteText.h"
#include "menus/EntryText.h"
#include "tests/fuzz/FuzzInput.h"

namespace quorbel::fuzz {
namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

std::vector<std::string> Characters(std::string_view text, const LeadByteTable& lead)
{
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool pair = lead.IsLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
        characters.emplace_back(text.substr(i, pair ? 2 : 1));
        i += pair;
    }
    return characters;
}

// Joins characters [from, to).
std::string Join(const std::vector<std::string>& characters, std::size_t from, std::size_t to)
{
    std::string text;
    for (std::size_t i = from; i < to; ++i)
        text += characters[i];
    return text;
}

}  // namespace
}  // namespace quorbel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quorbel;
    using namespace quorbel::fuzz;
    SplitInput input = Split(data, size);
    const LeadByteTable lead = ChooseLeadBytes(input.steering.Next());
    const std::vector<std::string> characters = Characters(input.text, lead);

    std::size_t firstBar = characters.size();
    std::size_t lastBar = characters.size();
    std::size_t lastBackslash = characters.size();
    for (std::size_t i = 0; i < characters.size(); ++i) {
        if (characters[i] == "|") {
            if (firstBar == characters.size())
                firstBar = i;
            lastBar = i;
        }
        if (characters[i] == "\\")
            lastBackslash = i;
    }
    const bool hasBar = firstBar < characters.size();
    Require(EntryLabel(input.text, lead) == (hasBar ? Join(characters, 0, firstBar) : std::string()));
    Require(EntryMenuPath(input.text, lead) == (hasBar ? Join(characters, lastBar + 1, characters.size())
                                                       : std::string(input.text)));
    Require(EntryEditPath(input.text, lead) == (hasBar ? Join(characters, firstBar + 1, characters.size())
                                                       : std::string(input.text)));
    const bool hasBackslash = lastBackslash < characters.size();
    Require(FolderName(input.text, lead) == (hasBackslash ? Join(characters, lastBackslash + 1, characters.size())
                                                          : std::string(input.text)));
    // Whatever the split, nothing is lost: label, bar and edit path make the entry again.
    if (hasBar)
        Require(JoinEntry(EntryLabel(input.text, lead), EntryEditPath(input.text, lead)) == input.text);
    return 0;
}
