// The executable as it ships: its own resources, each template made into a window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "framework/Handles.h"
#include "resources/resource.h"

namespace quorbel {
namespace {

using Child = std::tuple<int, std::wstring, std::wstring>;  // id, class, text

class ResourcesTest : public ::testing::Test {
protected:
    static INT_PTR CALLBACK NoHandling(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

    static void SetUpTestSuite()
    {
        const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&classes);
        const char* path = std::getenv("QUORBEL_EXE");
        ASSERT_NE(path, nullptr) << "QUORBEL_EXE names the executable to check";
        module_ = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr) << path;
    }
    static void TearDownTestSuite() { FreeLibrary(module_); }

    // The controls in template order, which is the tab order. An icon is named by
    // whether it loaded.
    static std::vector<Child> Children(HWND dialog)
    {
        std::vector<Child> found;
        for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            wchar_t name[32] = {}, text[64] = {};
            GetClassNameW(c, name, 32);
            GetWindowTextW(c, text, 64);
            if (lstrcmpiW(name, L"Static") == 0 && (GetWindowLongW(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                lstrcpyW(text, SendMessageW(c, STM_GETICON, 0, 0) ? L"<icon>" : L"<no icon>");
            found.emplace_back(static_cast<short>(GetDlgCtrlID(c)), name, text);
        }
        return found;
    }

    static HMODULE module_;
};

HMODULE ResourcesTest::module_ = nullptr;

TEST_F(ResourcesTest, TemplatesHoldTheirControlsWithTheKoreanTextsInTabOrder)
{
    const int label = IDC_STATIC_TEXT;
    const struct {
        int id;
        const wchar_t *caption, *face;
        DWORD style;  // bits that must be set; the caption's must be clear unless set here
        std::vector<Child> children;
        // What the dialogs' code leans on without looking: Return presses OK, the size lists
        // cannot be typed into, the list has report columns and one selection.
        std::vector<std::tuple<int, DWORD, DWORD>> kinds;  // id, mask, bits
    } templates[] = {
        {IDD_BAR, L"", L"굴림", WS_POPUP | WS_BORDER, {}, {}},
        {IDD_ABOUT, L"Quorbel", L"굴림", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
         {{label, L"Static", L"<icon>"}, {label, L"Static", L"Quorbel 1.8"}, {IDOK, L"Button", L"확인"}},
         {{IDOK, BS_TYPEMASK, BS_DEFPUSHBUTTON}}},
        {IDD_FOLDER_BUTTON, L"폴더 버튼 설정", L"굴림체", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
         {{IDC_TITLE, L"Edit", L""}, {IDC_PATH, L"Edit", L""}, {IDC_COMMAND, L"Edit", L""},
          {IDOK, L"Button", L"확 인"}, {IDCANCEL, L"Button", L"취 소"}, {label, L"Static", L"버튼 텍스트"},
          {IDC_COMMAND_LABEL, L"Static", L"USER ID"}, {label, L"Static", L"폴더 패스"},
          {IDC_BOLD, L"Button", L"글자 진하게"}, {IDC_DECORATE, L"Button", L"메뉴 꾸미기"},
          {IDC_FONT_SIZE, L"ComboBox", L""}, {label, L"Static", L"폰트크기"},
          {IDC_ITEM_HEIGHT, L"ComboBox", L""}, {label, L"Static", L"메뉴 높이"}, {label, L"Static", L"배경색"},
          {IDC_CHOOSE_BACK_COLOR, L"Button", L"색선택"}, {label, L"Static", L"글자색"},
          {IDC_CHOOSE_TEXT_COLOR, L"Button", L"색선택"}, {IDC_DECORATION_GROUP, L"Button", L"메뉴 속성"},
          {IDC_BACK_SWATCH, L"Static", L"Static"}, {IDC_TEXT_SWATCH, L"Static", L"Static"},
          {IDC_MAKE_DEFAULT, L"Button", L"이 설정을 기본 꾸미기로 합니다."},
          {IDC_SEPARATOR_HINT, L"Static", L"- (마이너스) 는 분리자"}},
         {{IDOK, BS_TYPEMASK, BS_DEFPUSHBUTTON}, {IDC_FONT_SIZE, CBS_DROPDOWNLIST, CBS_DROPDOWNLIST},
          {IDC_ITEM_HEIGHT, CBS_DROPDOWNLIST, CBS_DROPDOWNLIST}}},
        {IDD_ORDER, L"순서 변경", L"굴림체", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
         {{IDOK, L"Button", L"확 인"}, {IDCANCEL, L"Button", L"취 소"}, {IDC_ENTRY_LIST, L"SysListView32", L"List1"},
          {IDC_MOVE_UP, L"Button", L"위로"}, {IDC_MOVE_DOWN, L"Button", L"아래로"},
          {IDC_DELETE_ENTRY, L"Button", L"삭제"}, {IDC_ENTRY_PROPERTIES, L"Button", L"속성변경"}},
         {{IDOK, BS_TYPEMASK, BS_DEFPUSHBUTTON},
          {IDC_ENTRY_LIST, LVS_TYPEMASK | LVS_SINGLESEL, LVS_REPORT | LVS_SINGLESEL}}},
    };
    const int dpi = GetDeviceCaps(fw::WindowDC(nullptr).get(), LOGPIXELSY);
    for (const auto& t : templates) {
        SCOPED_TRACE(t.id);
        // Unshown, with nothing of the program's own behind it.
        const HWND dialog = CreateDialogParamW(module_, MAKEINTRESOURCEW(t.id), nullptr, NoHandling, 0);
        ASSERT_NE(dialog, nullptr);
        wchar_t caption[64] = {};
        GetWindowTextW(dialog, caption, 64);
        EXPECT_STREQ(caption, t.caption);
        EXPECT_EQ(GetWindowLongW(dialog, GWL_STYLE) & (t.style | WS_CAPTION), t.style);
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, t.face);
        EXPECT_EQ(font.lfHeight, -MulDiv(9, dpi, 72));
        EXPECT_EQ(Children(dialog), t.children);
        for (const auto& [id, mask, bits] : t.kinds)
            EXPECT_EQ(GetWindowLongW(GetDlgItem(dialog, id), GWL_STYLE) & mask, bits) << id;
        DestroyWindow(dialog);
    }
}

TEST_F(ResourcesTest, StringIconAndImageStrip)
{
    wchar_t text[64] = {};
    ASSERT_GT(LoadStringW(module_, IDS_ABOUT_ITEM, text, 64), 0);
    EXPECT_STREQ(text, L"Quorbel 정보(&A)...");

    const fw::Icon icon(static_cast<HICON>(LoadImageW(module_, MAKEINTRESOURCEW(IDI_QUORBEL), IMAGE_ICON, 32, 32, 0)));
    EXPECT_TRUE(icon);

    // Thirteen 16-pixel images, their background magenta: the toolbar's mask colour.
    const fw::Bitmap strip(static_cast<HBITMAP>(
        LoadImageW(module_, MAKEINTRESOURCEW(IDB_FOLDER_IMAGES), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    ASSERT_TRUE(strip);
    BITMAP bits{};
    GetObjectW(strip.get(), sizeof bits, &bits);
    EXPECT_EQ(bits.bmWidth, 13 * 16);
    EXPECT_EQ(bits.bmHeight, 16);
    const fw::MemoryDC dc(CreateCompatibleDC(nullptr));
    const fw::SelectGuard select(dc.get(), strip.get());
    EXPECT_EQ(GetPixel(dc.get(), 0, 0), RGB(255, 0, 255));
}

}  // namespace
}  // namespace quorbel
