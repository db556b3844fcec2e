#include "menus/MenuItemRegistry.h"
#include "menus/MenuRowStyle.h"
#include "menus/win/FolderMenuRows.h"
#include "menus/win/MenuFont.h"
#include "menus/win/RowGdi.h"

namespace quorbel {

namespace {

// DrawText's own idea of the extent, so that the measured row fits what drawing makes
// of the same text, mnemonic ampersands included.
template <class View>
TextExtent ExtentIn(HDC dc, View text)
{
    RECT area{0, 0, 0, 0};
    row_gdi::MeasureRowText(dc, text, area);
    return TextExtent{area.right - area.left, area.bottom - area.top};
}

}  // namespace

MenuRowSize MeasureMenuRow(int itemId, const FolderMenuItem& item, int proposedWidth)
{
    if (itemId == 0)
        return SeparatorRowSize(proposedWidth);

    const fw::MemoryDC dc(CreateCompatibleDC(nullptr));
    const fw::Font font = CreateMenuFont(MenuFontTenths(item), item.bold);
    const fw::SelectGuard useFont(dc.get(), font.get());
    return row_gdi::WithRowLabel(itemId, item, [&](auto label) {
        using View = decltype(label);
        return MeasureLabelRow(label, item.itemHeight,
                               [&](View part) { return ExtentIn(dc.get(), part); });
    });
}

void MeasureFolderMenuItem(MEASUREITEMSTRUCT& measure)
{
    const int itemId = static_cast<int>(measure.itemID);
    FolderMenuItem item;
    if (itemId != 0)
        MenuItems().Lookup(itemId, item);
    const MenuRowSize size = MeasureMenuRow(itemId, item, static_cast<int>(measure.itemWidth));
    measure.itemWidth = static_cast<UINT>(size.width);
    measure.itemHeight = static_cast<UINT>(size.height);
}

}  // namespace quorbel
