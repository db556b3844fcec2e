#pragma once
#include <windows.h>

#include <string_view>

#include "base/Geometry.h"
#include "framework/Handles.h"
#include "menus/FolderMenu.h"
#include "menus/FolderMenuItem.h"

namespace quorbel::row_gdi {

inline RECT ToWin(const Rect& r)
{
    return RECT{r.left, r.top, r.right, r.bottom};
}

inline Rect FromWin(const RECT& r)
{
    return Rect{r.left, r.top, r.right, r.bottom};
}

inline void FillSolid(HDC dc, const Rect& area, COLORREF colour)
{
    const fw::Brush brush(CreateSolidBrush(colour));
    const RECT r = ToWin(area);
    FillRect(dc, &r, brush.get());
}

// One pixel wide, just inside `area`.
inline void FrameSolid(HDC dc, const Rect& area, COLORREF colour)
{
    const fw::Brush brush(CreateSolidBrush(colour));
    const RECT r = ToWin(area);
    FrameRect(dc, &r, brush.get());
}

// Entry labels are data in the system code page; the program's own labels are wide.
// A count of zero with a null pointer makes DrawText fail instead of drawing nothing.
inline int DrawRowText(HDC dc, std::string_view text, RECT area, UINT format)
{
    return DrawTextA(dc, text.empty() ? "" : text.data(), static_cast<int>(text.size()), &area, format);
}

inline int DrawRowText(HDC dc, std::wstring_view text, RECT area, UINT format)
{
    return DrawTextW(dc, text.empty() ? L"" : text.data(), static_cast<int>(text.size()), &area, format);
}

inline int MeasureRowText(HDC dc, std::string_view text, RECT& area)
{
    return DrawTextA(dc, text.empty() ? "" : text.data(), static_cast<int>(text.size()), &area,
                     DT_CALCRECT | DT_SINGLELINE);
}

inline int MeasureRowText(HDC dc, std::wstring_view text, RECT& area)
{
    return DrawTextW(dc, text.empty() ? L"" : text.data(), static_cast<int>(text.size()), &area,
                     DT_CALCRECT | DT_SINGLELINE);
}

// Calls `use` with the row's label: the management row's fixed wide text, or the
// record's data text. `use` takes either view type.
template <class Use>
auto WithRowLabel(int itemId, const FolderMenuItem& item, Use&& use)
{
    const std::wstring_view fixed = FixedRowLabel(itemId);
    if (!fixed.empty())
        return use(fixed);
    return use(std::string_view(item.text));
}

}  // namespace quorbel::row_gdi
