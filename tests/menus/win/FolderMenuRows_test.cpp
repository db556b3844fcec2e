#include "menus/win/FolderMenuRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/Handles.h"
#include "menus/FolderMenu.h"
#include "menus/MenuItemRegistry.h"
#include "menus/win/MenuFont.h"
#include "tests/support/win/GdiObjects.h"

namespace quorbel {
namespace {

constexpr COLORREF kGutter = 0xDEEDEF;
constexpr COLORREF kSeparator = 0xA8A8A8;
constexpr COLORREF kSelectedFill = 0xE3D4CA;
constexpr COLORREF kSelectedFrame = 0xCD9873;
constexpr COLORREF kDefaultBackground = 0xFCFCFC;
constexpr COLORREF kBlack = RGB(0, 0, 0);
// What the menu would show where a row paints nothing: no colour the rows use.
constexpr COLORREF kUntouched = RGB(7, 77, 177);

// The row sits away from the canvas corner, so that offsets from the row's own left and
// top are told apart from offsets from the DC's origin.
constexpr RECT kRow{6, 4, 246, 28};
constexpr int kMid = (kRow.top + kRow.bottom) / 2;

// A 260 x 40 DIB section in a memory DC, filled with kUntouched: rows are painted into it
// as into a menu's DC and read back pixel by pixel.
class Canvas {
public:
    Canvas() : dc_(CreateCompatibleDC(nullptr))
    {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, kWidth, -kHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<const BYTE*>(bits);
        select_.emplace(dc_.get(), bitmap_.get());
        const fw::Brush fill(CreateSolidBrush(kUntouched));
        const RECT all{0, 0, kWidth, kHeight};
        FillRect(dc_.get(), &all, fill.get());
    }

    HDC dc() const { return dc_.get(); }

    COLORREF At(int x, int y) const
    {
        GdiFlush();
        const BYTE* p = bits_ + y * ((kWidth * 3 + 3) & ~3) + x * 3;
        return RGB(p[2], p[1], p[0]);
    }

    // Every pixel of exactly `colour`.
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
    const BYTE* bits_ = nullptr;
};

FolderMenuItem Item(const std::string& text, int textColour = -1)
{
    FolderMenuItem item;
    item.text = text;
    item.textColour = textColour;
    return item;
}

// The black pixels of a row labelled `text`, regular or bold.
std::vector<POINT> Painted(const std::string& text, bool bold = false)
{
    const Canvas canvas;
    FolderMenuItem item = Item(text);
    item.bold = bold;
    PaintMenuRow(canvas.dc(), kRow, 1, item, false);
    return canvas.Find(kBlack);
}

// The selection is a one-pixel frame on all four edges and a fill everything inside, the
// gutter's place included; the label keeps its colour on it.
TEST(PaintMenuRow, PlainRowHasTheGutterAndTheLabelPastItTheSelectionAFramedFill)
{
    const FolderMenuItem item = Item("HIM ||| Folder", RGB(190, 20, 40));
    const Canvas plain;
    PaintMenuRow(plain.dc(), kRow, 1, item, false);
    EXPECT_EQ(plain.At(kRow.left + 10, kMid), kGutter);
    EXPECT_EQ(plain.At(kRow.left + 20, kRow.top), kGutter);
    EXPECT_EQ(plain.At(kRow.left + 21, kRow.top), kDefaultBackground) << "the gutter is 21 wide";
    EXPECT_EQ(plain.At(kRow.right - 1, kRow.bottom - 1), kDefaultBackground);
    EXPECT_EQ(plain.At(kRow.left - 1, kMid), kUntouched) << "nothing outside the row";
    EXPECT_EQ(plain.At(kRow.left + 50, kRow.bottom), kUntouched);
    const std::vector<POINT> text = plain.Find(RGB(190, 20, 40));
    ASSERT_GT(text.size(), 20u);
    for (const POINT& p : text) {
        ASSERT_GE(p.x, kRow.left + 24) << "the label starts past the gutter";
        ASSERT_GE(p.y, kRow.top);
        ASSERT_LT(p.y, kRow.bottom);
    }

    const Canvas selected;
    PaintMenuRow(selected.dc(), kRow, 1, item, true);
    for (const POINT& p : {POINT{kRow.left, kMid}, POINT{kRow.right - 1, kMid}, POINT{kRow.left + 100, kRow.top},
                           POINT{kRow.left + 100, kRow.bottom - 1}})
        EXPECT_EQ(selected.At(p.x, p.y), kSelectedFrame) << p.x << "," << p.y;
    for (const POINT& p : {POINT{kRow.left + 1, kMid}, POINT{kRow.left + 10, kMid}, POINT{kRow.right - 2, kRow.bottom - 2}})
        EXPECT_EQ(selected.At(p.x, p.y), kSelectedFill) << p.x << "," << p.y;
    EXPECT_EQ(selected.At(kRow.left - 1, kMid), kUntouched);
    EXPECT_TRUE(selected.Find(kGutter).empty());
    EXPECT_EQ(selected.Find(RGB(190, 20, 40)).size(), text.size());
}

TEST(PaintMenuRow, SeparatorIsAGreyLineAtTopPlusThreeAndTheGutterOnly)
{
    const Canvas canvas;
    const RECT row{6, 4, 246, 13};
    PaintMenuRow(canvas.dc(), row, 0, Item("ignored"), true);
    for (int y = 0; y < Canvas::kHeight; ++y) {
        for (int x = 0; x < Canvas::kWidth; ++x) {
            const bool inRow = x >= row.left && x < row.right && y >= row.top && y < row.bottom;
            const bool gutter = inRow && x < row.left + 21;
            const bool line = inRow && y == row.top + 3 && x >= row.left + 23;
            ASSERT_EQ(canvas.At(x, y), gutter ? kGutter : line ? kSeparator : kUntouched) << x << "," << y;
        }
    }
}

TEST(PaintMenuRow, BoldIsHeavierAHintStandsRightAndAnAmpersandUnderlines)
{
    EXPECT_GT(Painted("HIM ||| Folder", true).size(), Painted("HIM ||| Folder").size() * 5 / 4);

    // The part after a tab stands at the right edge, nothing between.
    const std::vector<POINT> hinted = Painted("HIM\tF12");
    const auto right = std::count_if(hinted.begin(), hinted.end(), [](POINT p) { return p.x >= kRow.right - 40; });
    const auto left = std::count_if(hinted.begin(), hinted.end(), [](POINT p) { return p.x < kRow.left + 70; });
    EXPECT_GT(right, 5);
    EXPECT_GT(left, 5);
    EXPECT_EQ(left + right, static_cast<std::ptrdiff_t>(hinted.size()));

    // The H stands where it stands alone (a drawn "&" would push it right), and what is
    // added lies below it: the underline.
    const std::vector<POINT> letter = Painted("H");
    const std::vector<POINT> prefixed = Painted("&H");
    ASSERT_FALSE(letter.empty());
    int lowest = 0, added = 0;
    for (const POINT& p : letter) {
        lowest = std::max<int>(lowest, p.y);
        EXPECT_NE(std::find_if(prefixed.begin(), prefixed.end(), [&](POINT q) { return q.x == p.x && q.y == p.y; }),
                  prefixed.end());
    }
    for (const POINT& p : prefixed)
        added += p.y > lowest;
    EXPECT_EQ(prefixed.size(), letter.size() + added);
    EXPECT_GE(added, 4);
}

// The arithmetic is the core's (MenuRow_test); here the text is measured in the menu's font.
TEST(MeasureMenuRow, SizesFollowTheTextInTheRowsFont)
{
    const auto size = [](const std::string& text, int fontSize, int itemHeight) {
        FolderMenuItem item = Item(text);
        item.fontSize = fontSize;
        item.itemHeight = itemHeight;
        return MeasureMenuRow(1, item, 0);
    };
    EXPECT_EQ(size("Folder", -1, -1).height, 20);
    EXPECT_EQ(size("Folder", 90, 40).height, 40);
    EXPECT_GT(size("Folder", 200, -1).height, 20);
    EXPECT_GT(size("Program Files", 200, -1).width, size("Program Files", -1, -1).width);

    const auto width = [&](const std::string& text) { return size(text, -1, -1).width; };
    // d/2 + the hint's width, where d is the row's text height (20 at 9 pt).
    EXPECT_EQ(width("Name\tF12"), width("Name") + 10 + width("F12") - 10 - 24);
    // A mnemonic ampersand takes no room; a doubled one is one character.
    EXPECT_EQ(width("&x"), width("x"));
    EXPECT_EQ(width("a&b"), width("ab"));
    EXPECT_GT(width("a&&b"), width("ab"));

    const int dpi = GetDeviceCaps(fw::WindowDC(nullptr).get(), LOGPIXELSY);
    for (bool bold : {false, true}) {
        LOGFONTW f{};
        ASSERT_EQ(GetObjectW(CreateMenuFont(125, bold).get(), sizeof f, &f), static_cast<int>(sizeof f));
        EXPECT_EQ(f.lfHeight, -(dpi * 125 / 720));
        EXPECT_EQ(f.lfWeight, bold ? FW_BOLD : 0);
        EXPECT_EQ(std::wstring(f.lfFaceName), L"굴림체");
    }
}

// The message handlers find a row's record by its id in the registry.
class RegistryRowsTest : public testing::Test {
protected:
    void SetUp() override
    {
        SubmenuEntries entries;
        entries.keys = {"0", "1", "2"};
        entries.texts = {"work|D:\\work", "-|x", "tools|D:\\tools"};
        entries.decorations = {"1|20|-1|65280|255", "", ""};
        FolderMenu(entries).Register(MenuItems());
    }
    void TearDown() override { MenuItems().Clear(); }

    static MEASUREITEMSTRUCT Measure(UINT id)
    {
        MEASUREITEMSTRUCT m{};
        m.CtlType = ODT_MENU;
        m.itemID = id;
        m.itemWidth = 55;
        MeasureFolderMenuItem(m);
        return m;
    }

    static void Draw(const Canvas& canvas, UINT id, UINT state)
    {
        DRAWITEMSTRUCT d{};
        d.CtlType = ODT_MENU;
        d.itemID = id;
        d.itemAction = ODA_DRAWENTIRE;
        d.itemState = state;
        d.hDC = canvas.dc();
        d.rcItem = kRow;
        DrawFolderMenuItem(d);
    }
};

TEST_F(RegistryRowsTest, RowsOfTheMenuTheManagementRowAndUnknownIds)
{
    EXPECT_GT(Measure(1).itemHeight, 20u) << "20 pt from the stored decoration";
    EXPECT_EQ(Measure(3).itemHeight, 20u);
    EXPECT_GT(Measure(1).itemWidth, Measure(3).itemWidth);
    EXPECT_EQ(Measure(0).itemHeight, 9u);
    EXPECT_EQ(Measure(0).itemWidth, 55u) << "a separator keeps its width";
    EXPECT_EQ(Measure(FolderMenu::kManageId).itemHeight, 20u);
    EXPECT_GT(Measure(FolderMenu::kManageId).itemWidth, Measure(3).itemWidth) << "eleven wide characters";
    EXPECT_EQ(Measure(77).itemHeight, 20u) << "an unknown id: an empty label";
    EXPECT_EQ(Measure(77).itemWidth, 10u + 24) << "all indent";

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
    for (const auto& c : cases) {
        const Canvas canvas;
        Draw(canvas, c.id, c.state);
        EXPECT_EQ(canvas.At(kRow.right - 2, kRow.top + 1), c.background) << c.id;
        EXPECT_EQ(canvas.At(kRow.left + 10, kRow.top + 5), c.state ? kSelectedFill : kGutter) << c.id;
        const std::size_t ink = canvas.Find(c.ink).size();
        EXPECT_TRUE(c.minInk ? ink > c.minInk : ink == 0) << c.id << ": " << ink;
    }
}

// Every row kind, selected and not: what a message selects into the menu's DC, it puts back.
TEST_F(RegistryRowsTest, NoGdiObjectOutlivesAMessageAndTheDcIsLeftAsFound)
{
    const Canvas canvas;
    SetBkMode(canvas.dc(), OPAQUE);
    SetTextColor(canvas.dc(), RGB(1, 2, 3));
    const HGDIOBJ font = GetCurrentObject(canvas.dc(), OBJ_FONT);
    const HGDIOBJ brush = GetCurrentObject(canvas.dc(), OBJ_BRUSH);
    const int before = test::LiveGdiObjects();
    for (int i = 0; i < 1000; ++i) {
        const UINT id = (i % 4 == 3) ? FolderMenu::kManageId : static_cast<UINT>(i % 4);
        Measure(id);
        Draw(canvas, id, (i / 4) % 2 ? ODS_SELECTED : 0);
    }
    EXPECT_EQ(GetBkMode(canvas.dc()), OPAQUE);
    EXPECT_EQ(GetTextColor(canvas.dc()), RGB(1, 2, 3));
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), font);
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BRUSH), brush);

    if (before < 0 && sizeof(void*) == 4)
        GTEST_SKIP() << "no GDI object count: Wine gives a 32-bit process neither GetGuiResources nor a handle table";
    ASSERT_GE(before, 0);
    EXPECT_EQ(test::LiveGdiObjects(), before);
    // The count must see a single object, or a flat count proves nothing.
    const fw::Brush probe(CreateSolidBrush(RGB(1, 1, 1)));
    EXPECT_EQ(test::LiveGdiObjects(), before + 1);
}

}  // namespace
}  // namespace quorbel
