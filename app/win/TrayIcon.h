#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "framework/Window.h"

namespace quorbel {

// An icon in the notification area. A hidden window of its own receives the shell's
// notifications (message 0x800: wParam the icon number, lParam the mouse event); the
// icon is removed when the object goes.
class TrayIcon : public fw::Window {
public:
    static constexpr UINT kCallbackMessage = 0x800;
    static constexpr UINT kFirstIconNumber = 1024;

    TrayIcon();
    ~TrayIcon() override;

    // Makes the hidden window, fills the notification data and, with `addNow`, adds the
    // icon. `tipText` is cut to what the tip holds, never inside a character.
    bool Create(HWND owner, const std::string& tipText, HICON icon, bool addNow);

    // Adds the icon again with the data stored by Create (after the shell restarted);
    // nothing when Create never ran.
    void AddAgain();

    const NOTIFYICONDATAA& NotifyData() const { return data_; }

protected:
    virtual LRESULT OnTrayNotification(WPARAM wParam, LPARAM lParam);
    virtual void ShowLeftClickMenu();
    virtual void ShowRightClickMenu();
    virtual void OnBalloonEvent() {}

    HWND Owner() const { return owner_; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ShowMenu(int menuId);

    int leftClickMenu_ = 0;
    int rightClickMenu_ = 0;
    NOTIFYICONDATAA data_;
    HICON icon_ = nullptr;
    HWND owner_ = nullptr;
};

// What the bar's tray icon reports to: the bar, which offers its tray menu.
class TrayOwner {
public:
    virtual ~TrayOwner() = default;
    virtual LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam) = 0;
};

// The bar's tray icon: every notification goes to the bar.
class BarTrayIcon : public TrayIcon {
public:
    explicit BarTrayIcon(TrayOwner& owner) : owner_(owner) {}

protected:
    LRESULT OnTrayNotification(WPARAM wParam, LPARAM lParam) override;

private:
    TrayOwner& owner_;
};

}  // namespace quorbel
