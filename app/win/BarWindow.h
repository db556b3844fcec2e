#pragma once
#include <string>

#include "app/win/BarGlue.h"
#include "app/win/BarHotkey.h"
#include "app/win/TrayIcon.h"
#include "base/Geometry.h"
#include "framework/Dialog.h"
#include "menus/FolderMenuActions.h"
#include "toolbar/win/FolderDrop.h"
#include "toolbar/win/FolderToolBar.h"

namespace quorbel {

// The bar: a thin, always-on-top popup that holds the folder toolbar. It follows the
// host's main window at a fixed offset, shows while the host (or the program itself) is
// in front and hides otherwise, all driven by one 50 ms timer. Run modally by start-up;
// its modal loop is the program's only message loop.
class BarWindow : public fw::Dialog, public TrayOwner, public FolderMenuActions, public FolderDropSite {
public:
    explicit BarWindow(HWND owner);

    // The tray menu: About and Quit, on a button release over the icon.
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam) override;

    // Sizes the bar to the toolbar's buttons and shows it; `initial` also places it at
    // the stored position. Called after every reload of the buttons.
    void FitToToolbar(bool initial);

    // Stores the bar's offset from the host's window (nothing when the host is absent or
    // minimised).
    void SaveGlueOffset();

    // What a button does: a left click (showMenu false) sends the host to the button's
    // folder or runs its command number; a right click (showMenu true) opens the
    // button's folder menu and acts on the choice. False when `index` is no loaded
    // button, when a blank button is clicked, and when a right-clicked button has no
    // folder-menu entries.
    bool ActivateButton(int index, bool showMenu);

    // LoadButtons followed by FitToToolbar(false): the bar shows what the files hold.
    // Asked for while a toolbar message is being handled, it runs once that has returned.
    void ReloadButtons() override;

    // What the folder menu's choices do (besides ReloadButtons).
    void ChangeDirectory(const std::string& path) override;
    void OpenOrderDialog(const std::string& submenuKey) override;

    // A right click on button `position`: its folder menu, or (with Ctrl, or when it has
    // none) the bar's context menu. 0 when the folder menu was shown, else 1.
    LRESULT OnButtonContextMenu(int position, bool ctrl);

    // Where a dropped folder goes (the toolbar's drop handling asks through these).
    HWND DropWindow() const override { return hwnd(); }
    Rect ButtonScreenRect(int position) const override;

    FolderToolBar& ToolBar() { return toolbar_; }

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool PreTranslateMessage(MSG& message) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void AddAboutItemToSystemMenu();
    void CreateToolBar();
    void OnGlueTick();
    void OnDestroy();
    void OnSettingChange();
    void OnWindowPosChanged(const WINDOWPOS& change);
    void PaintMinimised();
    void ShowAbout();
    void OnTaskbarCreated();
    void EditButton(int position);
    void DeleteButtonAt(int position);
    void OnMeasureItem(MEASUREITEMSTRUCT& measure);
    void OnDrawItem(const DRAWITEMSTRUCT& draw);
    // WM_HOTKEY: the keyboard menu below the first button, and what its choice does.
    void OnMenuHotkey();

    // Destroyed in reverse order: the tray icon goes first, then the toolbar.
    FolderToolBar toolbar_;
    HICON icon_;
    BarTrayIcon tray_;
    bool reloadPending_ = false;  // settings changed while the bar was hidden
    BarGlue glue_;
    BarHotkey hotkey_;
};

}  // namespace quorbel
