#include "toolbar/win/FolderToolBar.h"

#include <windowsx.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/MessageBox.h"
#include "resources/resource.h"
#include "toolbar/ButtonLoad.h"

namespace quorbel {

namespace {

constexpr wchar_t kHintCaption[] = L"여기에 폴더를 드랍하시오, Ctrl+드래그로 바를 이동 시킵니다.";
constexpr COLORREF kTransparent = RGB(255, 0, 255);

// `wide` in the system code page, in which the INI files and the host's command line
// speak; nothing when a character of it has no place there. Converted without best-fit
// characters: a look-alike letter would name another folder just as surely as "?".
std::optional<std::string> InSystemCodePage(const std::wstring& wide)
{
    if (wide.empty())
        return std::string();
    // A UTF-8 system code page holds every character, and the call takes neither the
    // best-fit flag nor the used-default flag for it (see WideCharToMultiByte).
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    const int wideLength = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_ACP, flags, wide.data(), wideLength, nullptr, 0, nullptr,
                                           utf8 ? nullptr : &usedDefault);
    if (length <= 0 || usedDefault)
        return std::nullopt;
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, flags, wide.data(), wideLength, text.data(), length, nullptr, nullptr);
    return text;
}

// The name of dropped item `index`, however long it is; nothing when the system code
// page cannot hold it. Read as UTF-16: the A call would put "?" where a character does
// not fit and hand over a path that leads nowhere.
std::optional<std::string> DroppedName(HDROP drop, UINT index)
{
    const UINT length = DragQueryFileW(drop, index, nullptr, 0);
    if (length == 0)
        return std::string();
    std::wstring name(length + 1, L'\0');
    name.resize(DragQueryFileW(drop, index, name.data(), length + 1));
    return InSystemCodePage(name);
}

// Captions are data in the system code page; the control keeps them as UTF-16.
std::wstring WideFromSystemCodePage(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

}  // namespace

bool FolderToolBar::OnCreated()
{
    images_.reset(ImageList_Create(16, 16, ILC_COLORDDB | ILC_MASK, 2, 2));
    if (!images_)
        return false;
    fw::Bitmap strip(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                     MAKEINTRESOURCEW(IDB_FOLDER_IMAGES), IMAGE_BITMAP,
                                                     0, 0, LR_LOADMAP3DCOLORS)));
    ImageList_AddMasked(images_.get(), strip.get(), kTransparent);
    SetImageList(images_.get());
    DragAcceptFiles(hwnd(), TRUE);
    return true;
}

void FolderToolBar::LoadButtons()
{
    FolderButtonList().clear();
    SetButtons({});

    ButtonLoad load = LoadButtonModel([] { fw::ShowMessage(L"ini 파일에 오류가 있습니다.", MB_OK); });

    std::vector<Button> buttons;
    if (load.hint) {
        buttons.push_back(Button{kHintButtonCommand, BTNS_AUTOSIZE, kImageWithEntries, kHintCaption});
    } else {
        buttons.reserve(load.faces.size());
        for (const ButtonFace& face : load.faces) {
            if (face.blank)
                buttons.push_back(Button{0, BTNS_BUTTON, kImageNoEntries, std::wstring()});
            else
                buttons.push_back(Button{face.commandId, BTNS_AUTOSIZE, face.image, WideFromSystemCodePage(face.caption)});
        }
    }
    SetButtons(buttons);
    FolderButtonList() = std::move(load.records);
}

LRESULT FolderToolBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_RBUTTONDOWN:
        OnRightButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return Default(message, wParam, lParam);
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_NCDESTROY:
        DragAcceptFiles(hwnd(), FALSE);
        return ToolBar::HandleMessage(message, wParam, lParam);
    default:
        return ToolBar::HandleMessage(message, wParam, lParam);
    }
}

void FolderToolBar::OnRightButtonDown(POINT client)
{
    const int position = HitTest(client);
    if (position < 0)
        return;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    PostMessageW(GetParent(hwnd()), WM_BUTTON_CONTEXT, static_cast<WPARAM>(position), ctrl ? 1 : 0);
}

void FolderToolBar::OnDropFiles(HDROP drop)
{
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(hwnd(), &point);
    const int position = HitTest(point);

    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    const std::optional<std::string> name = count > 0 ? DroppedName(drop, 0) : std::string();
    // The drop data is ours to release once read.
    DragFinish(drop);

    if (!name) {
        // Stored with "?" in it, the path would send the host nowhere on every click.
        fw::ShowMessage(L"폴더 이름에 이 시스템의 문자 코드로 나타낼 수 없는 문자가 있어 추가할 수 없습니다.", MB_OK);
        return;
    }
    DroppedFolderPath() = *name;
    if (!name->empty())
        PostMessageW(GetParent(hwnd()), WM_FOLDER_DROPPED, static_cast<WPARAM>(position),
                     static_cast<LPARAM>(position));
}

}  // namespace quorbel
