#pragma once
#include <windows.h>

#include "menus/FolderMenuItem.h"
#include "menus/MenuRowSize.h"

namespace quorbel {

// The owner-drawn rows of a folder menu. A row carries nothing but its id (0 for a
// separator); what it shows is found in MenuItems(), and the management row's label is
// the program's own text. An id the registry does not know is measured and drawn as a
// row with an empty label in the default style.

// WM_MEASUREITEM of a menu (control id 0): sets itemWidth and itemHeight, except that a
// separator keeps the width Windows proposed.
void MeasureFolderMenuItem(MEASUREITEMSTRUCT& measure);

// WM_DRAWITEM of a menu: paints the whole row whatever itemAction asks for, and leaves
// the DC as it found it.
void DrawFolderMenuItem(const DRAWITEMSTRUCT& draw);

// The same for a row given directly, for callers that hold the record themselves.
MenuRowSize MeasureMenuRow(int itemId, const FolderMenuItem& item, int proposedWidth);
void PaintMenuRow(HDC dc, const RECT& row, int itemId, const FolderMenuItem& item, bool selected);

}  // namespace quorbel
