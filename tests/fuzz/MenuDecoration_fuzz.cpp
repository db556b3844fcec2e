// Fuzzes the reading of a stored row decoration against a plain reference: split at
// every "|" (characters, not trail bytes), then read each field on its own.
#include <string>
#include <vector>

#include "menus/MenuDecoration.h"
#include "tests/fuzz/FuzzInput.h"

namespace quorbel::fuzz {
namespace {

// The C library's reading of the field (it stops at a zero byte as at any non-digit),
// kept within int on both sides of the scaling.
int Expected(const std::string& field, int scale)
{
    if (field == "-1")
        return -1;
    const auto clamp = [](long long v) { return std::min(std::max(v, -2147483647LL - 1), 2147483647LL); };
    return static_cast<int>(clamp(clamp(std::strtoll(field.c_str(), nullptr, 10)) * scale));
}

}  // namespace
}  // namespace quorbel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quorbel;
    using namespace quorbel::fuzz;
    SplitInput input = Split(data, size);
    const LeadByteTable lead = ChooseLeadBytes(input.steering.Next());

    FolderMenuItem item;
    item.text = "label";
    item.itemHeight = 20;
    ParseMenuDecoration(input.text, item, lead);
    Require(item.text == "label");
    if (input.text.empty()) {
        Require(item.itemHeight == 20 && item.fontSize == -1 && !item.bold);
        return 0;
    }
    std::vector<std::string> fields(1);
    for (std::string_view c : Characters(input.text, lead)) {
        if (c == "|")
            fields.emplace_back();
        else
            fields.back() += c;
    }
    fields.resize(std::max<std::size_t>(fields.size(), 5));
    Require(item.bold == (fields[0] == "1"));
    Require(item.fontSize == Expected(fields[1], 10));
    Require(item.itemHeight == Expected(fields[2], 1));
    Require(item.backgroundColour == Expected(fields[3], 1));
    Require(item.textColour == Expected(fields[4], 1));
    return 0;
}
