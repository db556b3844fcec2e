// Fuzzes the reading of a stored row decoration against a plain reference: split at
// every "|" (characters, not trail bytes), then read each field on its own.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "config/MultiByteText.h"
#include "menus/MenuDecoration.h"
#include "tests/fuzz/FuzzInput.h"

namespace quorbel::fuzz {
namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

std::vector<std::string> Fields(std::string_view text, const LeadByteTable& lead)
{
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '|') {
            fields.emplace_back();
            continue;
        }
        fields.back() += text[i];
        if (lead.IsLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size())
            fields.back() += text[++i];
    }
    fields.resize(std::max<std::size_t>(fields.size(), 5));
    return fields;
}

// The C library's reading of the field (it stops at a zero byte as at any non-digit),
// kept within int on both sides of the scaling.
int Expected(const std::string& field, int scale)
{
    if (field == "-1")
        return -1;
    const auto clamp = [](long long v) {
        return v > 2147483647LL ? 2147483647LL : v < -2147483647LL - 1 ? -2147483647LL - 1 : v;
    };
    const long long value = clamp(std::strtoll(field.c_str(), nullptr, 10));
    return static_cast<int>(clamp(value * scale));
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
    const std::vector<std::string> fields = Fields(input.text, lead);
    Require(item.bold == (fields[0] == "1"));
    Require(item.fontSize == Expected(fields[1], 10));
    Require(item.itemHeight == Expected(fields[2], 1));
    Require(item.backgroundColour == Expected(fields[3], 1));
    Require(item.textColour == Expected(fields[4], 1));
    return 0;
}
