// Fuzzes the splitting of a folder-menu entry ("label|path") and of a folder path ("\")
// against a reference that first cuts the text into characters of the code page.
#include <string>

#include "menus/EntryText.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quorbel;
    using namespace quorbel::fuzz;
    constexpr std::size_t npos = std::string::npos;
    SplitInput input = Split(data, size);
    const LeadByteTable lead = ChooseLeadBytes(input.steering.Next());
    const std::string text(input.text);

    std::size_t firstBar = npos;
    std::size_t lastBar = npos;
    std::size_t lastBackslash = npos;
    for (std::string_view c : Characters(input.text, lead)) {
        const auto at = static_cast<std::size_t>(c.data() - input.text.data());
        if (c == "|")
            lastBar = firstBar == npos ? firstBar = at : at;
        if (c == "\\")
            lastBackslash = at;
    }
    const auto after = [&](std::size_t at) { return at == npos ? text : text.substr(at + 1); };
    Require(EntryLabel(text, lead) == (firstBar == npos ? std::string() : text.substr(0, firstBar)));
    Require(EntryMenuPath(text, lead) == after(lastBar));
    Require(EntryEditPath(text, lead) == after(firstBar));
    Require(FolderName(text, lead) == after(lastBackslash));
    // Whatever the split, nothing is lost: label, bar and edit path make the entry again.
    if (firstBar != npos)
        Require(JoinEntry(EntryLabel(text, lead), EntryEditPath(text, lead)) == text);
    return 0;
}
