#pragma once
#include "app/win/BarGlue.h"
#include "app/win/TrayIcon.h"
#include "framework/Dialog.h"
#include "toolbar/win/FolderToolBar.h"

namespace quorbel {

// The bar: a thin, always-on-top popup that holds the folder toolbar. It follows the
// host's main window at a fixed offset, shows while the host (or the program itself) is
// in front and hides otherwise, all driven by one 50 ms timer. Run modally by start-up;
// its modal loop is the program's only message loop.
class BarWindow : public fw::Dialog, public TrayOwner {
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
    // folder or runs its command number. False when `index` is no loaded button.
    bool ActivateButton(int index, bool showMenu);

    // LoadButtons followed by FitToToolbar(false): the bar shows what the files hold.
    void ReloadButtons();

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

    // Destroyed in reverse order: the tray icon goes first, then the toolbar.
    FolderToolBar toolbar_;
    HICON icon_;
    BarTrayIcon tray_;
    bool reloadPending_ = false;  // settings changed while the bar was hidden
    BarGlue glue_;
};

}  // namespace quorbel
