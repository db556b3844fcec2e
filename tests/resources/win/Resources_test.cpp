#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "resources/resource.h"
#include "tests/support/win/DialogTemplate.h"

namespace quorbel {
namespace {

using test::DialogItem;
using test::DialogTemplate;
using test::LoadDialogTemplate;

// The executable as it ships: its resources, not a copy linked into the test.
class ResourcesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const char* path = std::getenv("QUORBEL_EXE");
        ASSERT_NE(path, nullptr) << "QUORBEL_EXE names the executable to check";
        module_ = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr) << path;
    }
    static void TearDownTestSuite()
    {
        if (module_)
            FreeLibrary(module_);
    }

    static DialogTemplate Template(int id)
    {
        DialogTemplate t;
        EXPECT_TRUE(LoadDialogTemplate(module_, id, t)) << "template " << id;
        return t;
    }

    static HMODULE module_;
};

HMODULE ResourcesTest::module_ = nullptr;

struct Expected {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    short x, y, cx, cy;
    DWORD styleBits;  // bits that must be set
    bool visible;
};

void ExpectItem(const DialogTemplate& t, const Expected& e)
{
    const DialogItem* item = e.id == -1 ? t.FindText(e.text) : t.Find(e.id);
    ASSERT_NE(item, nullptr) << "control " << e.id;
    EXPECT_EQ(item->id, e.id);
    EXPECT_EQ(lstrcmpiW(item->className.c_str(), e.className), 0) << e.id;  // class names ignore case
    EXPECT_EQ(item->text, e.text) << e.id;
    EXPECT_EQ(item->x, e.x) << e.id;
    EXPECT_EQ(item->y, e.y) << e.id;
    EXPECT_EQ(item->cx, e.cx) << e.id;
    EXPECT_EQ(item->cy, e.cy) << e.id;
    EXPECT_EQ(item->style & e.styleBits, e.styleBits) << e.id;
    EXPECT_EQ((item->style & WS_VISIBLE) != 0, e.visible) << e.id;
}

TEST_F(ResourcesTest, BarTemplateIsAThinVisiblePopupWithoutControls)
{
    const DialogTemplate bar = Template(IDD_BAR);
    EXPECT_EQ(bar.style & (WS_POPUP | WS_VISIBLE | WS_BORDER | DS_SETFONT), DWORD(WS_POPUP | WS_VISIBLE | WS_BORDER | DS_SETFONT));
    EXPECT_EQ(bar.style & (WS_DLGFRAME | WS_SYSMENU), 0u);  // no caption
    EXPECT_TRUE(bar.exStyle & WS_EX_APPWINDOW);
    EXPECT_EQ(bar.cx, 316);
    EXPECT_EQ(bar.cy, 30);
    EXPECT_EQ(bar.fontName, L"굴림");
    EXPECT_EQ(bar.fontSize, 9);
    EXPECT_TRUE(bar.title.empty());
    EXPECT_TRUE(bar.items.empty());
}

TEST_F(ResourcesTest, AboutTemplate)
{
    const DialogTemplate about = Template(IDD_ABOUT);
    EXPECT_EQ(about.cx, 235);
    EXPECT_EQ(about.cy, 74);
    EXPECT_EQ(about.title, L"Quorbel");
    EXPECT_EQ(about.fontName, L"굴림");
    EXPECT_EQ(about.fontSize, 9);
    const DialogItem* ok = about.Find(IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text, L"확인");
    EXPECT_EQ(ok->style & 0xF, DWORD(BS_DEFPUSHBUTTON));
    EXPECT_NE(about.FindText(L"Quorbel 1.8"), nullptr);
    bool hasIcon = false;
    for (const DialogItem& item : about.items)
        hasIcon |= item.className == L"Static" && (item.style & 0x1F) == SS_ICON && item.text == L"#128";
    EXPECT_TRUE(hasIcon) << "the application icon stands in the About box";
}

TEST_F(ResourcesTest, FolderButtonTemplateHasEveryControl)
{
    const DialogTemplate t = Template(IDD_FOLDER_BUTTON);
    EXPECT_EQ(t.title, L"폴더 버튼 설정");
    EXPECT_EQ(t.cx, 304);
    EXPECT_EQ(t.cy, 205);
    EXPECT_EQ(t.fontName, L"굴림체");
    EXPECT_EQ(t.fontSize, 9);
    EXPECT_EQ(t.style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME), DWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME));

    const DWORD combo = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
    const Expected controls[] = {
        {IDC_TITLE, L"Edit", L"", 64, 7, 116, 12, ES_AUTOHSCROLL | WS_BORDER, true},
        {IDC_PATH, L"Edit", L"", 65, 22, 218, 12, ES_AUTOHSCROLL | WS_BORDER, true},
        {IDC_COMMAND, L"Edit", L"", 64, 36, 116, 12, ES_AUTOHSCROLL, false},
        {IDOK, L"Button", L"확 인", 101, 174, 50, 24, BS_DEFPUSHBUTTON, true},
        {IDCANCEL, L"Button", L"취 소", 154, 174, 50, 24, 0, true},
        {-1, L"Static", L"버튼 텍스트", 10, 7, 48, 11, 0, true},
        {IDC_COMMAND_LABEL, L"Static", L"USER ID", 10, 36, 48, 11, 0, false},
        {-1, L"Static", L"폴더 패스", 10, 22, 48, 11, 0, true},
        {IDC_BOLD, L"Button", L"글자 진하게", 32, 83, 107, 10, BS_AUTOCHECKBOX, true},
        {IDC_DECORATE, L"Button", L"메뉴 꾸미기", 17, 54, 244, 10, BS_AUTOCHECKBOX, true},
        {IDC_FONT_SIZE, L"ComboBox", L"", 74, 99, 48, 87, combo, true},
        {-1, L"Static", L"폰트크기", 32, 101, 36, 11, 0, true},
        {IDC_ITEM_HEIGHT, L"ComboBox", L"", 195, 100, 48, 98, combo, true},
        {-1, L"Static", L"메뉴 높이", 154, 101, 36, 11, 0, true},
        {-1, L"Static", L"배경색", 32, 118, 36, 11, 0, true},
        {IDC_CHOOSE_BACK_COLOR, L"Button", L"색선택", 74, 117, 50, 14, 0, true},
        {-1, L"Static", L"글자색", 154, 118, 36, 11, 0, true},
        {IDC_CHOOSE_TEXT_COLOR, L"Button", L"색선택", 195, 118, 50, 14, 0, true},
        {IDC_DECORATION_GROUP, L"Button", L"메뉴 속성", 17, 66, 250, 90, BS_GROUPBOX, true},
        {IDC_BACK_SWATCH, L"Static", L"Static", 75, 136, 48, 13, 0, true},
        {IDC_TEXT_SWATCH, L"Static", L"Static", 195, 136, 48, 13, 0, true},
        {IDC_MAKE_DEFAULT, L"Button", L"이 설정을 기본 꾸미기로 합니다.", 15, 159, 244, 10, BS_AUTOCHECKBOX, true},
        {IDC_SEPARATOR_HINT, L"Static", L"- (마이너스) 는 분리자", 187, 7, 110, 11, 0, true},
    };
    for (const Expected& e : controls)
        ExpectItem(t, e);
    EXPECT_EQ(t.items.size(), std::size(controls));
    // Tab order is template order: the title first, then the path.
    ASSERT_GE(t.items.size(), 2u);
    EXPECT_EQ(t.items[0].id, IDC_TITLE);
    EXPECT_EQ(t.items[1].id, IDC_PATH);
}

TEST_F(ResourcesTest, OrderTemplateHasTheListAndItsButtons)
{
    const DialogTemplate t = Template(IDD_ORDER);
    EXPECT_EQ(t.title, L"순서 변경");
    EXPECT_EQ(t.cx, 277);
    EXPECT_EQ(t.cy, 208);
    EXPECT_EQ(t.fontName, L"굴림체");
    const Expected controls[] = {
        {IDOK, L"Button", L"확 인", 128, 173, 50, 28, BS_DEFPUSHBUTTON, true},
        {IDCANCEL, L"Button", L"취 소", 189, 173, 50, 27, 0, true},
        {IDC_ENTRY_LIST, L"SysListView32", L"List1", 7, 7, 193, 160,
         LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, true},
        {IDC_MOVE_UP, L"Button", L"위로", 206, 16, 54, 14, 0, true},
        {IDC_MOVE_DOWN, L"Button", L"아래로", 206, 35, 54, 14, 0, true},
        {IDC_DELETE_ENTRY, L"Button", L"삭제", 206, 54, 54, 14, 0, true},
        {IDC_ENTRY_PROPERTIES, L"Button", L"속성변경", 206, 73, 54, 14, 0, true},
    };
    for (const Expected& e : controls)
        ExpectItem(t, e);
    EXPECT_EQ(t.items.size(), std::size(controls));
}

TEST_F(ResourcesTest, AboutItemString)
{
    wchar_t text[64] = {};
    ASSERT_GT(LoadStringW(module_, IDS_ABOUT_ITEM, text, 64), 0);
    EXPECT_STREQ(text, L"Quorbel 정보(&A)...");
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return colour;
}

TEST_F(ResourcesTest, IconIsABlueVioletFloppyWithAWhiteLabel)
{
    HICON icon = static_cast<HICON>(LoadImageW(module_, MAKEINTRESOURCEW(IDI_QUORBEL), IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmHeight, 32);
    const COLORREF body = PixelOf(info.hbmColor, 4, 14);
    EXPECT_GT(GetBValue(body), 150);  // blue-violet: strong blue, some red, little green
    EXPECT_GT(GetRValue(body), GetGValue(body));
    EXPECT_EQ(PixelOf(info.hbmColor, 16, 27), RGB(255, 255, 255));  // the label
    const COLORREF shutter = PixelOf(info.hbmColor, 11, 5);
    EXPECT_LT(GetRValue(shutter), 100);  // dark grey
    EXPECT_EQ(GetRValue(shutter), GetGValue(shutter));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

TEST_F(ResourcesTest, ImageStripHasThirteenMaskedImages)
{
    HBITMAP strip = static_cast<HBITMAP>(LoadImageW(module_, MAKEINTRESOURCEW(IDB_FOLDER_IMAGES), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(strip, nullptr);
    DIBSECTION dib{};
    ASSERT_EQ(GetObjectW(strip, sizeof dib, &dib), static_cast<int>(sizeof dib));
    EXPECT_EQ(dib.dsBm.bmWidth, 13 * 16);
    EXPECT_EQ(dib.dsBm.bmHeight, 16);
    EXPECT_EQ(dib.dsBmih.biBitCount, 8);
    EXPECT_EQ(PixelOf(strip, 0, 0), RGB(255, 0, 255));  // transparent corner
    const COLORREF blueFrame = PixelOf(strip, 1, 8);
    const COLORREF redFrame = PixelOf(strip, 16 + 1, 8);
    EXPECT_GT(GetBValue(blueFrame), 150);
    EXPECT_LT(GetRValue(blueFrame), 100);
    EXPECT_GT(GetRValue(redFrame), 150);
    EXPECT_LT(GetBValue(redFrame), 100);
    const COLORREF client = PixelOf(strip, 8, 9);  // a light window inside
    EXPECT_GT(GetRValue(client), 200);
    EXPECT_GT(GetGValue(client), 200);
    DeleteObject(strip);
}

}  // namespace
}  // namespace quorbel
