#include "toolbar/win/FolderToolBar.h"

#include <windowsx.h>

#include <vector>

#include "framework/MessageBox.h"
#include "resources/resource.h"
#include "toolbar/ButtonLoad.h"

namespace quorbel {

namespace {

constexpr wchar_t kHintCaption[] = L"여기에 폴더를 드랍하시오, Ctrl+드래그로 바를 이동 시킵니다.";
constexpr COLORREF kTransparent = RGB(255, 0, 255);

// The name of dropped item `index`, however long it is.
std::string DroppedName(HDROP drop, UINT index)
{
    const UINT length = DragQueryFileA(drop, index, nullptr, 0);
    if (length == 0)
        return std::string();
    std::vector<char> name(length + 1);
    const UINT copied = DragQueryFileA(drop, index, name.data(), length + 1);
    return std::string(name.data(), copied);
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

    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    std::string name = count > 0 ? DroppedName(drop, 0) : std::string();
    // The drop data is ours to release once read.
    DragFinish(drop);

    DroppedFolderPath() = name;
    if (!name.empty())
        PostMessageW(GetParent(hwnd()), WM_FOLDER_DROPPED, static_cast<WPARAM>(position),
                     static_cast<LPARAM>(position));
}

}  // namespace quorbel
