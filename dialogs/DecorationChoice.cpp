#include "dialogs/DecorationChoice.h"

#include <cstdio>

#include "menus/FolderMenuItem.h"
#include "menus/MenuDecoration.h"

namespace quorbel {

namespace {

constexpr ChoiceItem kFontSizes[] = {
    {L"적용안함", -1}, {L"9", 9},   {L"10", 10}, {L"12", 12}, {L"15", 15}, {L"20", 20},
    {L"25", 25},       {L"30", 30}, {L"35", 35}, {L"40", 40}, {L"45", 45}, {L"50", 50},
};

constexpr ChoiceItem kItemHeights[] = {
    {L"적용안함", -1}, {L"20", 20}, {L"25", 25}, {L"30", 30}, {L"35", 35},
    {L"40", 40},       {L"45", 45}, {L"50", 50}, {L"55", 55}, {L"60", 60},
};

// The lists hold digits and Hangul, which have no case; folding the Latin letters is
// all CB_FINDSTRING's case-insensitivity can change here.
wchar_t Fold(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool StartsWith(std::wstring_view text, std::wstring_view prefix)
{
    if (prefix.size() > text.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (Fold(text[i]) != Fold(prefix[i]))
            return false;
    return true;
}

}  // namespace

int ChoiceList::FindPrefix(std::wstring_view prefix, int start) const
{
    if (size_ == 0)
        return -1;
    const int count = static_cast<int>(size_);
    // -1 or an index past the end searches the whole list from the top.
    const int first = (start < 0 || start >= count) ? 0 : start + 1;
    for (int step = 0; step < count; ++step) {
        const int i = (first + step) % count;
        if (StartsWith(items_[i].text, prefix))
            return i;
    }
    return -1;
}

int ChoiceList::SelectionFor(int value) const
{
    if (value == -1)
        return -1;
    const std::wstring text = std::to_wstring(value);
    return FindPrefix(text, 0);
}

int ChoiceList::ValueAt(int selection) const
{
    if (selection <= 0 || static_cast<std::size_t>(selection) >= size_)
        return -1;
    return items_[selection].value;
}

const ChoiceList& FontSizeChoices()
{
    static const ChoiceList list(kFontSizes);
    return list;
}

const ChoiceList& ItemHeightChoices()
{
    static const ChoiceList list(kItemHeights);
    return list;
}

DecorationChoice DecorationChoice::FromText(std::string_view decoration)
{
    DecorationChoice choice;
    if (decoration.empty())
        return choice;
    FolderMenuItem parsed;
    ParseMenuDecoration(decoration, parsed);
    choice.decorate = true;
    choice.bold = parsed.bold;
    choice.hasBackground = parsed.backgroundColour != -1;
    choice.background = parsed.backgroundColour;
    choice.hasTextColour = parsed.textColour != -1;
    choice.textColour = parsed.textColour;
    choice.itemHeightSelection = ItemHeightChoices().SelectionFor(parsed.itemHeight);
    // The parse holds the size in tenths; the list shows whole points.
    if (parsed.fontSize != -1)
        choice.fontSizeSelection = FontSizeChoices().SelectionFor(parsed.fontSize / 10);
    return choice;
}

std::string DecorationChoice::Text() const
{
    char text[64];
    std::snprintf(text, sizeof text, "%d|%d|%d|%d|%d", bold ? 1 : 0,
                  FontSizeChoices().ValueAt(fontSizeSelection),
                  ItemHeightChoices().ValueAt(itemHeightSelection),
                  hasBackground ? background : -1, hasTextColour ? textColour : -1);
    return text;
}

}  // namespace quorbel
