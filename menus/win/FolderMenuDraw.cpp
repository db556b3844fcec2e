#include "menus/MenuItemRegistry.h"
#include "menus/MenuRowStyle.h"
#include "menus/win/FolderMenuRows.h"
#include "menus/win/MenuFont.h"
#include "menus/win/RowGdi.h"

namespace quorbel {

namespace {

using row_gdi::FillSolid;

// Only the line and the gutter: the rest keeps the menu's own background.
void PaintSeparatorRow(HDC dc, const Rect& row)
{
    FillSolid(dc, SeparatorLineRect(row), menu_style::kSeparatorColour);
    FillSolid(dc, GutterRect(row), menu_style::kGutterColour);
}

void PaintLabelRow(HDC dc, const Rect& row, int itemId, const FolderMenuItem& item, bool selected)
{
    // The highlight spans the gutter too; the label keeps its own colour on it.
    if (selected) {
        FillSolid(dc, row, menu_style::kSelectedFill);
        row_gdi::FrameSolid(dc, row, menu_style::kSelectedFrame);
    } else {
        FillSolid(dc, row, RowBackground(item));
        FillSolid(dc, GutterRect(row), menu_style::kGutterColour);
    }

    const fw::Font font = CreateMenuFont(MenuFontTenths(item), item.bold);
    const fw::SelectGuard useFont(dc, font.get());
    const fw::TextStyleGuard style(dc, TRANSPARENT, RowTextColour(item));
    const RECT area = row_gdi::ToWin(LabelRect(row));
    row_gdi::WithRowLabel(itemId, item, [&](auto label) {
        // No DT_NOPREFIX: an ampersand in a label underlines the letter after it.
        const auto parts = SplitLabelAtTabs(label);
        row_gdi::DrawRowText(dc, parts.main, area, DT_SINGLELINE | DT_VCENTER);
        if (!parts.hint.empty())
            row_gdi::DrawRowText(dc, parts.hint, area, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    });
}

}  // namespace

void PaintMenuRow(HDC dc, const RECT& row, int itemId, const FolderMenuItem& item, bool selected)
{
    if (itemId == 0)
        PaintSeparatorRow(dc, row_gdi::FromWin(row));
    else
        PaintLabelRow(dc, row_gdi::FromWin(row), itemId, item, selected);
}

void DrawFolderMenuItem(const DRAWITEMSTRUCT& draw)
{
    const int itemId = static_cast<int>(draw.itemID);
    FolderMenuItem item;
    if (itemId != 0)
        MenuItems().Lookup(itemId, item);
    PaintMenuRow(draw.hDC, draw.rcItem, itemId, item, (draw.itemState & ODS_SELECTED) != 0);
}

}  // namespace quorbel
