#include "app/win/BarApp.h"

#include <windows.h>

#include "app/win/BarWindow.h"
#include "app/win/HiddenOwnerWindow.h"
#include "app/win/SettingsWatch.h"
#include "app/win/SingleInstance.h"
#include "framework/MessageBox.h"
#include "resources/resource.h"

namespace quorbel {

namespace {
BarApp theApp;
}

bool BarApp::InitInstance()
{
    if (!IsFirstInstance("quorbel_mutex")) {
        fw::ShowMessage(L"Quorbel 프로그램이 이미 실행중입니다.", MB_ICONEXCLAMATION | MB_OK);
        return false;
    }

    HiddenOwnerWindow owner;
    if (!owner.Create())
        return false;

    HICON icon = LoadIconW(Instance(), MAKEINTRESOURCEW(IDI_QUORBEL));
    SendMessageW(owner.hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(owner.hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));

    {
        const SettingsWatch settingsWatch;
        BarWindow bar(owner.hwnd());
        SetMainWindow(&bar);
        bar.DoModal();
        SetMainWindow(nullptr);
    }
    owner.Destroy();
    return false;
}

}  // namespace quorbel
