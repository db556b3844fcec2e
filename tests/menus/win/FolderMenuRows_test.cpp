#include "menus/win/FolderMenuRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/Handles.h"
#include "menus/FolderMenu.h"
#include "menus/MenuItemRegistry.h"

namespace quorbel {
namespace {

constexpr COLORREF kGutter = 0xDEEDEF;
constexpr COLORREF kSelectedFill = 0xE3D4CA;
constexpr COLORREF kDefaultBackground = 0xFCFCFC;
constexpr COLORREF kBlack = RGB(0, 0, 0);
// What the menu would show where a row paints nothing: no colour the rows use.
constexpr COLORREF kUntouched = RGB(7, 77, 177);

// The row sits away from the canvas corner, so that offsets from the row's own left and
// top are told apart from offsets from the DC's origin.
constexpr RECT kRow{6, 4, 246, 28};

// A 260 x 40 bitmap of exact colours in a memory DC, filled with kUntouched: rows are
// painted into it as into a menu's DC and read back pixel by pixel.
class Canvas {
public:
    Canvas() : dc_(CreateCompatibleDC(nullptr))
    {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, kWidth, kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        select_.emplace(dc_.get(), bitmap_.get());
        const fw::Brush fill(CreateSolidBrush(kUntouched));
        const RECT all{0, 0, kWidth, kHeight};
        FillRect(dc_.get(), &all, fill.get());
    }

    HDC dc() const { return dc_.get(); }
    COLORREF At(int x, int y) const { return GetPixel(dc_.get(), x, y); }

    std::vector<POINT> Find(COLORREF colour) const
    {
        std::vector<POINT> found;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (At(x, y) == colour)
                    found.push_back(POINT{x, y});
        return found;
    }

    static constexpr int kWidth = 260, kHeight = 40;

private:
    fw::MemoryDC dc_;
    fw::Bitmap bitmap_;
    std::optional<fw::SelectGuard> select_;
};

// The ink of a row labelled `text`, painted unselected.
std::vector<POINT> Painted(const std::string& text, bool bold = false)
{
    const Canvas canvas;
    const FolderMenuItem item{-1, -1, text, -1, -1, bold};
    PaintMenuRow(canvas.dc(), kRow, 1, item, false);
    return canvas.Find(kBlack);
}

TEST(PaintMenuRow, BoldIsHeavierAHintStandsRightAndAnAmpersandUnderlines)
{
    EXPECT_GT(Painted("HIM ||| Folder", true).size(), Painted("HIM ||| Folder").size() * 5 / 4);

    // The part after a tab stands at the right edge, nothing between.
    const std::vector<POINT> hinted = Painted("HIM\tF12");
    const auto right = std::count_if(hinted.begin(), hinted.end(), [](POINT p) { return p.x >= kRow.right - 40; });
    const auto left = std::count_if(hinted.begin(), hinted.end(), [](POINT p) { return p.x < kRow.left + 70; });
    EXPECT_GT(right, 5);
    EXPECT_EQ(left + right, static_cast<std::ptrdiff_t>(hinted.size()));

    // The "&" is not drawn: all that "&H" adds to "H" lies below the letter, the underline.
    const std::vector<POINT> letter = Painted("H"), prefixed = Painted("&H");
    ASSERT_FALSE(letter.empty());
    const int lowest = std::max_element(letter.begin(), letter.end(), [](POINT a, POINT b) { return a.y < b.y; })->y;
    const auto added = std::count_if(prefixed.begin(), prefixed.end(), [&](POINT p) { return p.y > lowest; });
    EXPECT_EQ(prefixed.size(), letter.size() + added);
    EXPECT_GE(added, 4);
}

// The message handlers find a row's record by its id in the registry.
class RegistryRowsTest : public testing::Test {
protected:
    void SetUp() override { menu_.Register(MenuItems()); }
    void TearDown() override { MenuItems().Clear(); }

    // Row 1 at 20 pt, green on red; a separator; a plain row; then the management row.
    const FolderMenu menu_{SubmenuEntries{
        {"0", "1", "2"}, {"work|D:\\work", "-|x", "tools|D:\\tools"}, {"1|20|-1|65280|255", "", ""}}};
};

TEST_F(RegistryRowsTest, RowsOfTheMenuTheManagementRowAndUnknownIdsLeaveTheDcAsFound)
{
    const struct {
        UINT id, state;
        COLORREF background;  // at the right end of the row
        COLORREF ink;
        std::size_t minInk;
    } cases[] = {
        {1, 0, RGB(0, 255, 0), RGB(255, 0, 0), 20},
        {1, ODS_SELECTED, kSelectedFill, RGB(255, 0, 0), 20},
        {FolderMenu::kManageId, 0, kDefaultBackground, kBlack, 40},
        {77, 0, kDefaultBackground, kBlack, 0},
    };
    // What a message selects into the menu's DC, it puts back.
    for (const auto& c : cases) {
        const Canvas canvas;
        SetTextColor(canvas.dc(), RGB(1, 2, 3));
        const HGDIOBJ font = GetCurrentObject(canvas.dc(), OBJ_FONT);
        const DRAWITEMSTRUCT d{ODT_MENU, 0, c.id, ODA_DRAWENTIRE, c.state, nullptr, canvas.dc(), kRow, 0};
        DrawFolderMenuItem(d);
        EXPECT_EQ(GetTextColor(canvas.dc()), RGB(1, 2, 3)) << c.id;
        EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), font) << c.id;
        EXPECT_EQ(canvas.At(kRow.right - 2, kRow.top + 1), c.background) << c.id;
        EXPECT_EQ(canvas.At(kRow.left + 10, kRow.top + 5), c.state ? kSelectedFill : kGutter) << c.id;
        const std::size_t ink = canvas.Find(c.ink).size();
        EXPECT_TRUE(c.minInk ? ink > c.minInk : ink == 0) << c.id << ": " << ink;
    }
}

}  // namespace
}  // namespace quorbel
