#include "app/win/BarWindow.h"

#include "app/win/AboutDialog.h"
#include "app/win/BarApp.h"
#include "app/win/WindowGlueWorld.h"
#include "app/win/BarFitting.h"
#include "config/ConfigNames.h"
#include "config/IniPath.h"
#include "config/IniSection.h"
#include "dialogs/win/OrderDialog.h"
#include "framework/Handles.h"
#include "framework/MenuTable.h"
#include "host/win/HostControl.h"
#include "menus/win/FolderMenuRows.h"
#include "menus/win/OpenFolderMenu.h"
#include "resources/resource.h"
#include "toolbar/ButtonLoad.h"

namespace quorbel {

namespace {

constexpr UINT kAboutCommand = 16;
constexpr UINT_PTR kGlueTimer = 101;
constexpr UINT kGlueIntervalMs = 50;
constexpr UINT kToolBarId = 0xE800;
constexpr char kTrayTip[] = "Quorbel 1.8";

constexpr fw::MenuItemSpec kTrayMenu[] = {
    {kAboutCommand, L"정보"},
    {IDOK, L"Quorbel 종료"},
};

IniSection MainSettings()
{
    return IniSection(kMainSection, IniPath(kMainIniFile));
}

}  // namespace

BarWindow::BarWindow(HWND owner)
    : fw::Dialog(IDD_BAR, owner),
      icon_(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QUORBEL))),
      tray_(*this)
{
}

BOOL BarWindow::OnInitDialog()
{
    fw::Dialog::OnInitDialog();
    AddAboutItemToSystemMenu();
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

    // No taskbar button: the bar belongs to its host's window, not to the taskbar.
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) & ~WS_EX_APPWINDOW);
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);

    CreateToolBar();
    toolbar_.LoadButtons();
    FitToToolbar(true);

    // Only exactly 1 asks for the icon.
    if (MainSettings().ReadInt(key::kTray, kDefaultTray) == 1)
        tray_.Create(hwnd(), kTrayTip, icon_, true);

    SetTimer(hwnd(), kGlueTimer, kGlueIntervalMs, nullptr);
    // The template is visible, so the dialog manager shows the bar once it is made; from
    // the first tick on, the glue rules decide.
    ShowWindow(hwnd(), SW_HIDE);
    return TRUE;
}

void BarWindow::AddAboutItemToSystemMenu()
{
    HMENU systemMenu = GetSystemMenu(hwnd(), FALSE);
    if (!systemMenu)
        return;
    wchar_t text[128];
    if (LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUT_ITEM, text, 128) <= 0)
        return;
    AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(systemMenu, MF_STRING, kAboutCommand, text);
}

void BarWindow::CreateToolBar()
{
    toolbar_.Create(hwnd(), WS_CHILD | WS_VISIBLE, kToolBarId);
    // Captions stand beside the images, not below them.
    SetWindowLongPtrW(toolbar_.hwnd(), GWL_STYLE, GetWindowLongPtrW(toolbar_.hwnd(), GWL_STYLE) | TBSTYLE_LIST);
}

void BarWindow::FitToToolbar(bool initial)
{
    FitBarToToolBar(hwnd(), toolbar_, initial);
}

void BarWindow::ReloadButtons()
{
    // A left click runs the host command inside the toolbar's WM_LBUTTONUP, and while
    // the bar waits on the host a message sent by another program (a settings change)
    // can ask for a reload: rebuilding the buttons then would destroy the toolbar under
    // its own procedure. The reload waits until the toolbar's message has returned.
    toolbar_.AfterMessage([this] {
        toolbar_.LoadButtons();
        FitToToolbar(false);
    });
}

void BarWindow::SaveGlueOffset()
{
    quorbel::SaveGlueOffset(hwnd());
}

bool BarWindow::ActivateButton(int index, bool showMenu)
{
    const std::vector<FolderButton>& buttons = FolderButtonList();
    if (index < 0 || static_cast<std::size_t>(index) >= buttons.size())
        return false;
    // A copy: what follows may reload the list.
    const FolderButton button = buttons[static_cast<std::size_t>(index)];
    if (showMenu)
        return OpenFolderMenu(button, hwnd(), *this);
    if (!button.valid)
        return false;
    if (button.command != 0)
        SendHostCommand(button.command);
    else
        ChangeHostDirectory(button.folderPath);
    return true;
}

void BarWindow::ChangeDirectory(const std::string& path)
{
    ChangeHostDirectory(path);
}

void BarWindow::OpenOrderDialog(const std::string& submenuKey)
{
    // A deletion can leave the button without entries, which its image shows; a mere
    // reorder or retitle changes nothing on the bar.
    if (RunOrderDialog(submenuKey).BarNeedsReload())
        ReloadButtons();
}

void BarWindow::OnMeasureItem(MEASUREITEMSTRUCT& measure)
{
    MeasureFolderMenuItem(measure);
}

void BarWindow::OnDrawItem(const DRAWITEMSTRUCT& draw)
{
    DrawFolderMenuItem(draw);
}

void BarWindow::OnCancel()
{
    // Escape never closes the bar.
}

bool BarWindow::OnCommand(WORD id, WORD, HWND)
{
    if (id == kAboutCommand) {
        ShowAbout();
        return true;
    }
    if (id >= kFirstButtonCommand && id <= kLastButtonCommand) {
        ActivateButton(id - kFirstButtonCommand, false);
        return true;
    }
    return false;
}

bool BarWindow::PreTranslateMessage(MSG& message)
{
    // Ctrl + left button on the toolbar moves the bar instead of pressing a button: the
    // press becomes a caption drag, and the toolbar never sees it.
    if (message.message == WM_LBUTTONDOWN && message.hwnd == toolbar_.hwnd() && GetKeyState(VK_CONTROL) < 0) {
        PostMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(message.pt.x, message.pt.y));
        glue_.NoteDragStart();
        return true;
    }
    return fw::Dialog::PreTranslateMessage(message);
}

bool BarWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == TaskbarCreatedMessage()) {
        OnTaskbarCreated();
        result = 1;
        return true;
    }

    switch (message) {
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != kAboutCommand)
            return false;
        ShowAbout();
        result = 0;
        return true;
    case WM_PAINT:
        if (!IsIconic(hwnd()))
            return false;
        PaintMinimised();
        result = 0;
        return true;
    case WM_BUTTON_CONTEXT:
        result = OnButtonContextMenu(static_cast<int>(wParam), lParam != 0);
        return true;
    case WM_FOLDER_DROPPED:
        result = AddDroppedFolder(*this, static_cast<int>(wParam));
        return true;
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(icon_);
        return true;
    case WM_MEASUREITEM:
        // Control id 0 is a menu: the folder menus are the bar's only owner-drawn menus.
        if (wParam != 0)
            return false;
        OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    case WM_DRAWITEM:
        if (wParam != 0)
            return false;
        OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    case WM_TIMER:
        OnGlueTick();
        result = 0;
        return true;
    case WM_HOTKEY:
        OnMenuHotkey();
        result = 0;
        return true;
    case WM_MENU_HOTKEY_FAILED:
        hotkey_.ShowFailure();
        result = 0;
        return true;
    case WM_DESTROY:
        OnDestroy();
        return false;
    case WM_SETTINGCHANGE:
        OnSettingChange();
        return false;
    case WM_WINDOWPOSCHANGED:
        OnWindowPosChanged(*reinterpret_cast<const WINDOWPOS*>(lParam));
        return false;
    default:
        return fw::Dialog::HandleMessage(message, wParam, lParam, result);
    }
}

void BarWindow::OnGlueTick()
{
    // The hotkey's setting is read with the glue's, before the bar is shown: a show can
    // reload the buttons under a message box, whose loop must look at the files afresh.
    std::string hotkeySetting;
    glue_.Tick(hwnd(), [&] { hotkeySetting = BarHotkey::Setting(); });
    hotkey_.Follow(hwnd(), hotkeySetting);
}

void BarWindow::OnDestroy()
{
    hotkey_.Release(hwnd());
    const Rect bar = WindowRectOf(hwnd());
    const IniSection settings = MainSettings();
    settings.WriteInt(key::kX, bar.left);
    settings.WriteInt(key::kY, bar.top);
}

void BarWindow::OnSettingChange()
{
    if (IsWindowVisible(hwnd()))
        ReloadButtons();
    else
        reloadPending_ = true;
}

void BarWindow::OnWindowPosChanged(const WINDOWPOS& change)
{
    if (!toolbar_.hwnd() || !(change.flags & SWP_SHOWWINDOW) || !reloadPending_)
        return;
    // Cleared first: the show that the refit makes must not reload again.
    reloadPending_ = false;
    ReloadButtons();
}

void BarWindow::PaintMinimised()
{
    fw::PaintDC dc(hwnd());
    SendMessageW(hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0);
    RECT client;
    GetClientRect(hwnd(), &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc.get(), x, y, icon_);
}

LRESULT BarWindow::OnTrayNotify(WPARAM, LPARAM lParam)
{
    if (lParam != WM_LBUTTONUP && lParam != WM_RBUTTONUP)
        return 1;
    POINT cursor;
    GetCursorPos(&cursor);
    // The menu closes when the user clicks elsewhere only if its owner is in front.
    SetForegroundWindow(hwnd());
    const fw::Menu menu = fw::BuildPopupMenu(kTrayMenu);
    TrackPopupMenu(menu.get(), 0, cursor.x, cursor.y, 0, hwnd(), nullptr);
    PostMessageW(hwnd(), WM_NULL, 0, 0);
    return 1;
}

void BarWindow::OnTaskbarCreated()
{
    // The value in the file now decides, not the one read at start.
    if (MainSettings().ReadInt(key::kTray, kDefaultTray) == 1)
        tray_.AddAgain();
}

void BarWindow::ShowAbout()
{
    AboutDialog about;
    about.DoModal();
}

}  // namespace quorbel
