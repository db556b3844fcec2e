#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace quorbel {

// One item of the dialog's font-size or row-height list: the text shown and the number
// it stands for (-1 for "적용안함", not applied).
struct ChoiceItem {
    std::wstring_view text;
    int value;
};

// A fixed list of items, filled into a drop-down combo box in this order.
class ChoiceList {
public:
    template <std::size_t N>
    constexpr ChoiceList(const ChoiceItem (&items)[N]) : items_(items), size_(N)
    {
    }

    std::size_t Size() const { return size_; }
    const ChoiceItem& operator[](std::size_t i) const { return items_[i]; }
    const ChoiceItem* begin() const { return items_; }
    const ChoiceItem* end() const { return items_ + size_; }

    // As CB_FINDSTRING: the first item whose text begins with `prefix` (letter case
    // ignored), searching from the item after `start` to the end and then wrapping round
    // to `start` itself; -1 when none matches. The dialog searches with `start` 0.
    int FindPrefix(std::wstring_view prefix, int start) const;

    // The selection that shows a stored number: the item found for its decimal text;
    // -1 (no selection) for -1 and for numbers the list does not offer.
    int SelectionFor(int value) const;

    // The number a selection stands for: -1 for no selection and for index 0.
    int ValueAt(int selection) const;

private:
    const ChoiceItem* items_;
    std::size_t size_;
};

// Font sizes in points, and row heights in pixels, as the dialog offers them.
const ChoiceList& FontSizeChoices();
const ChoiceList& ItemHeightChoices();

// What the decoration part of the folder button dialog shows. The colours are COLORREF
// values, meaningful only while their flag is set; a swatch without colour stands for -1.
struct DecorationChoice {
    bool decorate = false;  // "메뉴 꾸미기"
    bool bold = false;
    int fontSizeSelection = -1;  // index into FontSizeChoices(), -1 for none
    int itemHeightSelection = -1;
    bool hasBackground = false;
    int background = 0;
    bool hasTextColour = false;
    int textColour = 0;

    // The controls preset from a stored decoration; empty text leaves everything off.
    static DecorationChoice FromText(std::string_view decoration);

    // "%d|%d|%d|%d|%d" of what is chosen (nothing chosen: "0|-1|-1|-1|-1").
    std::string Text() const;

    // What OK stores: the text when decorating, empty text (undecorated) otherwise.
    std::string Stored() const { return decorate ? Text() : std::string(); }
};

}  // namespace quorbel
