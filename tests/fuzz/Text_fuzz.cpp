// Fuzzes the scanners of multibyte text against a plain reference that first cuts the
// text into the characters of the code page: the separator searches, the splitting of a
// folder-menu entry and of a path, and the reading of a row decoration (each field as
// the C library reads a number, kept within int on both sides of the size's scaling).
#include <string>
#include <vector>

#include "menus/EntryText.h"
#include "menus/MenuDecoration.h"
#include "tests/fuzz/FuzzInput.h"

namespace quorbel::fuzz {
namespace {

int Expected(const std::string& field, int scale)
{
    const auto clamp = [](long long v) { return std::min(std::max(v, -2147483647LL - 1), 2147483647LL); };
    return field == "-1" ? -1 : static_cast<int>(clamp(clamp(std::strtoll(field.c_str(), nullptr, 10)) * scale));
}

void Run(FuzzInput in)
{
    static const char separators[] = {'\\', '|', ',', ']', '='};
    const char separator = separators[in.Next() % 5];
    const std::string text(in.text);
    std::vector<std::size_t> at;         // where the separator stands as a character
    std::vector<std::string> fields(1);  // the text cut at every "|"
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t size = in.lead.IsLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        if (size == 1 && text[i] == separator)
            at.push_back(i);
        if (size == 1 && text[i] == '|')
            fields.emplace_back();
        else
            fields.back() += text.substr(i, size);
        i += size - 1;
    }
    Require(FindFirstChar(text, separator, in.lead) == (at.empty() ? std::string::npos : at.front()));
    Require(FindLastChar(text, separator, in.lead) == (at.empty() ? std::string::npos : at.back()));
    Require(separator != '\\' || FolderName(text, in.lead) == text.substr(at.empty() ? 0 : at.back() + 1));
    Require(EntryLabel(text, in.lead) == (fields.size() > 1 ? fields[0] : ""));
    Require(EntryEditPath(text, in.lead) == (fields.size() > 1 ? text.substr(fields[0].size() + 1) : text));
    Require(EntryMenuPath(text, in.lead) == fields.back());

    FolderMenuItem item;
    item.itemHeight = 20;
    ParseMenuDecoration(text, item, in.lead);
    fields.resize(std::max<std::size_t>(fields.size(), 5));
    Require(text.empty() ? item.fontSize == -1 && item.itemHeight == 20
                         : item.bold == (fields[0] == "1") && item.fontSize == Expected(fields[1], 10) &&
                               item.itemHeight == Expected(fields[2], 1) &&
                               item.backgroundColour == Expected(fields[3], 1) && item.textColour == Expected(fields[4], 1));
}

}  // namespace
}  // namespace quorbel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    quorbel::fuzz::Run(quorbel::fuzz::FuzzInput(data, size));
    return 0;
}
