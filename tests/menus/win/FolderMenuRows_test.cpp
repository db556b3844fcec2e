#include "menus/win/FolderMenuRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
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
// What the menu would show where a row paints nothing: no colour the rows use.
constexpr COLORREF kUntouched = RGB(7, 77, 177);

// A 24-bit DIB section in a memory DC: rows are painted into it as into a menu's DC and
// read back pixel by pixel.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr))
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down: row 0 first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<const BYTE*>(bits);
        original_ = SelectObject(dc_.get(), bitmap_.get());
        const fw::Brush fill(CreateSolidBrush(kUntouched));
        const RECT all{0, 0, width, height};
        FillRect(dc_.get(), &all, fill.get());
    }
    ~Canvas() { SelectObject(dc_.get(), original_); }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_.get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    COLORREF At(int x, int y) const
    {
        GdiFlush();
        const int stride = (width_ * 3 + 3) & ~3;
        const BYTE* p = bits_ + y * stride + x * 3;
        return RGB(p[2], p[1], p[0]);
    }

    // Pixels of exactly `colour` inside [left, right) x [top, bottom).
    std::vector<POINT> Find(COLORREF colour, int left, int top, int right, int bottom) const
    {
        std::vector<POINT> found;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (At(x, y) == colour)
                    found.push_back(POINT{x, y});
        return found;
    }
    std::vector<POINT> Find(COLORREF colour) const { return Find(colour, 0, 0, width_, height_); }

    bool SameAs(const Canvas& other) const
    {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (At(x, y) != other.At(x, y))
                    return false;
        return true;
    }

private:
    int width_;
    int height_;
    fw::MemoryDC dc_;
    fw::Bitmap bitmap_;
    const BYTE* bits_ = nullptr;
    HGDIOBJ original_ = nullptr;
};

FolderMenuItem Item(const std::string& text)
{
    FolderMenuItem item;
    item.text = text;
    return item;
}

// The row sits away from the canvas corner, so that offsets from the row's own left and
// top are told apart from offsets from the DC's origin.
constexpr RECT kRow{6, 4, 246, 28};

void Paint(const Canvas& canvas, int id, const FolderMenuItem& item, bool selected, RECT row = kRow)
{
    PaintMenuRow(canvas.dc(), row, id, item, selected);
}

int Leftmost(const std::vector<POINT>& points)
{
    int x = INT_MAX;
    for (const POINT& p : points)
        x = std::min<int>(x, p.x);
    return x;
}

int Lowest(const std::vector<POINT>& points)
{
    int y = -1;
    for (const POINT& p : points)
        y = std::max<int>(y, p.y);
    return y;
}

TEST(PaintMenuRow, PlainRowHasGutterDefaultBackgroundAndBlackLabel)
{
    Canvas canvas(260, 40);
    Paint(canvas, 1, Item("HIM ||| Folder"), false);
    const int mid = (kRow.top + kRow.bottom) / 2;
    EXPECT_EQ(canvas.At(kRow.left + 10, mid), kGutter);
    EXPECT_EQ(canvas.At(kRow.left + 20, kRow.top), kGutter);
    EXPECT_EQ(canvas.At(kRow.left + 21, kRow.top), kDefaultBackground) << "gutter is 21 wide";
    EXPECT_EQ(canvas.At(kRow.right - 1, kRow.bottom - 1), kDefaultBackground);
    EXPECT_EQ(canvas.At(kRow.left - 1, mid), kUntouched) << "nothing outside the row";
    EXPECT_EQ(canvas.At(kRow.left + 50, kRow.bottom), kUntouched);

    const std::vector<POINT> text = canvas.Find(RGB(0, 0, 0));
    ASSERT_GT(text.size(), 20u);
    EXPECT_GE(Leftmost(text), kRow.left + 24) << "the label starts past the gutter";
    for (const POINT& p : text) {
        ASSERT_GE(p.y, kRow.top);
        ASSERT_LT(p.y, kRow.bottom);
    }
}

TEST(PaintMenuRow, RowKeepsItsOwnColoursAndTheSelectionOnlyChangesTheBackground)
{
    FolderMenuItem item = Item("HIM ||| Folder");
    item.backgroundColour = RGB(200, 230, 150);
    item.textColour = RGB(190, 20, 40);

    Canvas plain(260, 40);
    Paint(plain, 3, item, false);
    EXPECT_EQ(plain.At(kRow.left + 10, kRow.top + 5), kGutter);
    EXPECT_EQ(plain.At(kRow.left + 22, kRow.top + 1), RGB(200, 230, 150));
    EXPECT_EQ(plain.At(kRow.right - 2, kRow.bottom - 1), RGB(200, 230, 150));
    EXPECT_GT(plain.Find(RGB(190, 20, 40)).size(), 20u);
    EXPECT_TRUE(plain.Find(RGB(0, 0, 0)).empty());

    Canvas selected(260, 40);
    Paint(selected, 3, item, true);
    // The frame is one pixel on all four edges, the fill everything inside, the gutter
    // included.
    const int mid = (kRow.top + kRow.bottom) / 2;
    EXPECT_EQ(selected.At(kRow.left, mid), kSelectedFrame);
    EXPECT_EQ(selected.At(kRow.right - 1, mid), kSelectedFrame);
    EXPECT_EQ(selected.At(kRow.left + 100, kRow.top), kSelectedFrame);
    EXPECT_EQ(selected.At(kRow.left + 100, kRow.bottom - 1), kSelectedFrame);
    EXPECT_EQ(selected.At(kRow.left + 1, mid), kSelectedFill);
    EXPECT_EQ(selected.At(kRow.left + 10, mid), kSelectedFill) << "no gutter when selected";
    EXPECT_EQ(selected.At(kRow.right - 2, kRow.bottom - 2), kSelectedFill);
    EXPECT_EQ(selected.At(kRow.left - 1, mid), kUntouched);
    EXPECT_TRUE(selected.Find(kGutter).empty());
    EXPECT_TRUE(selected.Find(RGB(200, 230, 150)).empty());
    EXPECT_EQ(selected.Find(RGB(190, 20, 40)).size(), plain.Find(RGB(190, 20, 40)).size())
        << "the label keeps its colour on the highlight";
}

TEST(PaintMenuRow, BoldLabelHasHeavierStrokes)
{
    FolderMenuItem item = Item("HIM ||| Folder");
    Canvas regular(260, 40);
    Paint(regular, 1, item, false);
    item.bold = true;
    Canvas bold(260, 40);
    Paint(bold, 1, item, false);
    EXPECT_GT(bold.Find(RGB(0, 0, 0)).size(), regular.Find(RGB(0, 0, 0)).size() * 5 / 4);
}

TEST(PaintMenuRow, SeparatorIsAGreyLineAtTopPlusThreeAndTheGutterOnly)
{
    Canvas canvas(260, 20);
    const RECT row{6, 4, 246, 13};
    Paint(canvas, 0, Item("ignored"), true, row);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const bool inRow = x >= row.left && x < row.right && y >= row.top && y < row.bottom;
            const bool gutter = inRow && x < row.left + 21;
            const bool line = inRow && y == row.top + 3 && x >= row.left + 23;
            const COLORREF expected = gutter ? kGutter : line ? kSeparator : kUntouched;
            ASSERT_EQ(canvas.At(x, y), expected) << x << "," << y;
        }
    }
}

TEST(PaintMenuRow, TabHintStandsAtTheRightEdge)
{
    Canvas canvas(260, 40);
    Paint(canvas, 1, Item("HIM\tF12"), false);
    const std::vector<POINT> text = canvas.Find(RGB(0, 0, 0));
    int nearLeft = 0, middle = 0, nearRight = 0;
    for (const POINT& p : text) {
        if (p.x < kRow.left + 70)
            ++nearLeft;
        else if (p.x >= kRow.right - 40)
            ++nearRight;
        else
            ++middle;
    }
    EXPECT_GT(nearLeft, 5);
    EXPECT_GT(nearRight, 5);
    EXPECT_EQ(middle, 0);

    // A second tab ends the hint.
    Canvas cut(260, 40);
    Paint(cut, 1, Item("HIM\tF12\tlater"), false);
    EXPECT_TRUE(cut.SameAs(canvas));
}

TEST(PaintMenuRow, AmpersandUnderlinesTheNextLetterAndTwoShowOne)
{
    Canvas plain(260, 40);
    Paint(plain, 1, Item("H"), false);
    Canvas prefixed(260, 40);
    Paint(prefixed, 1, Item("&H"), false);

    const std::vector<POINT> letter = plain.Find(RGB(0, 0, 0));
    const std::vector<POINT> underlined = prefixed.Find(RGB(0, 0, 0));
    ASSERT_FALSE(letter.empty());
    // The H stands where it stands alone (an ampersand would push it right), and all
    // that is added lies below it: the underline.
    for (const POINT& p : letter)
        ASSERT_EQ(prefixed.At(p.x, p.y), RGB(0, 0, 0)) << "the H itself is unchanged";
    int added = 0;
    for (const POINT& p : underlined) {
        if (plain.At(p.x, p.y) == RGB(0, 0, 0))
            continue;
        ++added;
        EXPECT_GT(p.y, Lowest(letter)) << p.x << "," << p.y;
    }
    EXPECT_GE(added, 4) << "a line under the H";

    // "a&&b" shows what "a&b" shows when ampersands are taken as they are.
    Canvas doubled(260, 40);
    Paint(doubled, 1, Item("a&&b"), false);
    Canvas literal(260, 40);
    Paint(literal, 1, Item(""), false);
    {
        const fw::Font font = CreateMenuFont(90, false);
        const fw::SelectGuard use(literal.dc(), font.get());
        const fw::TextStyleGuard style(literal.dc(), TRANSPARENT, RGB(0, 0, 0));
        RECT label{kRow.left + 24, kRow.top, kRow.right, kRow.bottom};
        DrawTextA(literal.dc(), "a&b", -1, &label, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    EXPECT_FALSE(doubled.Find(RGB(0, 0, 0)).empty());
    EXPECT_TRUE(doubled.SameAs(literal));
}

TEST(PaintMenuRow, LeavesTheDcAsItFoundIt)
{
    Canvas canvas(260, 40);
    SetBkMode(canvas.dc(), OPAQUE);
    SetTextColor(canvas.dc(), RGB(1, 2, 3));
    const HGDIOBJ font = GetCurrentObject(canvas.dc(), OBJ_FONT);
    const HGDIOBJ brush = GetCurrentObject(canvas.dc(), OBJ_BRUSH);
    for (int id : {1, 0}) {
        for (bool selected : {false, true}) {
            Paint(canvas, id, Item("HIM"), selected);
            EXPECT_EQ(GetBkMode(canvas.dc()), OPAQUE);
            EXPECT_EQ(GetTextColor(canvas.dc()), RGB(1, 2, 3));
            EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), font);
            EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BRUSH), brush);
        }
    }
}

TEST(MeasureMenuRow, HeightsFollowTextAndItemHeightAsAMinimum)
{
    EXPECT_EQ(MeasureMenuRow(0, Item("x"), 77).height, 9);
    EXPECT_EQ(MeasureMenuRow(0, Item("x"), 77).width, 77) << "a separator keeps its width";

    const auto heightOf = [](int fontSize, int itemHeight) {
        FolderMenuItem item = Item("Folder");
        item.fontSize = fontSize;
        item.itemHeight = itemHeight;
        return MeasureMenuRow(1, item, 0).height;
    };
    EXPECT_EQ(heightOf(-1, -1), 20);
    EXPECT_EQ(heightOf(90, 20), 20);
    EXPECT_EQ(heightOf(90, 40), 40);
    EXPECT_EQ(heightOf(90, 10), 20) << "an item height never shrinks the row";
    const int large = heightOf(200, -1);
    EXPECT_GT(large, 20);
    EXPECT_EQ(heightOf(200, 20), large);
    EXPECT_EQ(heightOf(200, large + 5), large + 5);
}

TEST(MeasureMenuRow, WidthGrowsWithBoldTextAndWithAHint)
{
    const auto widthOf = [](const std::string& text, bool bold, int fontSize = -1) {
        FolderMenuItem item = Item(text);
        item.bold = bold;
        item.fontSize = fontSize;
        return MeasureMenuRow(1, item, 0).width;
    };
    // Bold must not be narrower; the face is fixed-pitch, so it may well be as wide.
    EXPECT_GE(widthOf("Program Files", true), widthOf("Program Files", false));
    EXPECT_GT(widthOf("Program Files", false, 200), widthOf("Program Files", false));

    // d/2 + the hint's width, where d is the row's text height (20 at 9 pt).
    const int name = widthOf("Name", false);
    const int hint = widthOf("F12", false) - 10 - 24;
    EXPECT_EQ(widthOf("Name\tF12", false), name + 10 + hint);
    EXPECT_EQ(widthOf("Name\t", false), name);
    EXPECT_EQ(widthOf("", false), 10 + 24) << "an empty label is all indent";

    // A mnemonic ampersand takes no room; a doubled one is one character.
    EXPECT_EQ(widthOf("&x", false), widthOf("x", false));
    EXPECT_EQ(widthOf("a&b", false), widthOf("ab", false));
    EXPECT_GT(widthOf("a&&b", false), widthOf("ab", false));
}

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

TEST_F(RegistryRowsTest, HandlersFindTheRowByItsId)
{
    const MEASUREITEMSTRUCT work = Measure(1);
    EXPECT_GT(work.itemHeight, 20u) << "20 pt from the stored decoration";
    EXPECT_EQ(Measure(3).itemHeight, 20u);
    EXPECT_GT(work.itemWidth, Measure(3).itemWidth);
    EXPECT_EQ(Measure(0).itemHeight, 9u);
    EXPECT_EQ(Measure(0).itemWidth, 55u);

    Canvas canvas(260, 40);
    Draw(canvas, 1, 0);
    EXPECT_EQ(canvas.At(kRow.right - 2, kRow.top + 1), RGB(0, 255, 0));
    EXPECT_GT(canvas.Find(RGB(255, 0, 0)).size(), 20u);
    Canvas selected(260, 40);
    Draw(selected, 1, ODS_SELECTED);
    EXPECT_EQ(selected.At(kRow.left + 10, kRow.top + 5), kSelectedFill);
    EXPECT_GT(selected.Find(RGB(255, 0, 0)).size(), 20u);
}

TEST_F(RegistryRowsTest, ManagementRowShowsItsOwnLabelInTheDefaultStyle)
{
    const MEASUREITEMSTRUCT manage = Measure(FolderMenu::kManageId);
    EXPECT_EQ(manage.itemHeight, 20u);
    EXPECT_GT(manage.itemWidth, Measure(3).itemWidth) << "eleven wide characters";
    Canvas canvas(260, 40);
    Draw(canvas, FolderMenu::kManageId, 0);
    EXPECT_EQ(canvas.At(kRow.right - 2, kRow.top + 1), kDefaultBackground);
    EXPECT_GT(canvas.Find(RGB(0, 0, 0)).size(), 40u);
}

TEST_F(RegistryRowsTest, UnknownIdIsAnEmptyRowInTheDefaultStyle)
{
    const MEASUREITEMSTRUCT unknown = Measure(77);
    EXPECT_EQ(unknown.itemHeight, 20u);
    EXPECT_EQ(unknown.itemWidth, 34u);
    Canvas canvas(260, 40);
    Draw(canvas, 77, 0);
    EXPECT_EQ(canvas.At(kRow.left + 10, kRow.top + 5), kGutter);
    EXPECT_EQ(canvas.At(kRow.left + 60, kRow.top + 12), kDefaultBackground);
    EXPECT_TRUE(canvas.Find(RGB(0, 0, 0)).empty());
}

TEST_F(RegistryRowsTest, NoGdiObjectOutlivesAMessage)
{
    // The count must see a single object, or a flat count proves nothing.
    const int start = test::LiveGdiObjects();
    ASSERT_GE(start, 0);
    {
        const fw::Brush probe(CreateSolidBrush(RGB(1, 1, 1)));
        ASSERT_EQ(test::LiveGdiObjects(), start + 1);
    }
    ASSERT_EQ(test::LiveGdiObjects(), start);

    Canvas canvas(260, 40);
    const int before = test::LiveGdiObjects();
    for (int i = 0; i < 1000; ++i) {
        const UINT id = (i % 4 == 3) ? FolderMenu::kManageId : static_cast<UINT>(i % 4);
        Measure(id);
        Draw(canvas, id, (i & 1) ? ODS_SELECTED : 0);
    }
    EXPECT_EQ(test::LiveGdiObjects(), before);
}

}  // namespace
}  // namespace quorbel
