#include "framework/Application.h"

#include <commctrl.h>

#include "framework/Dialog.h"

namespace fw {

namespace {
Application* g_application = nullptr;
}

Application::Application()
{
    g_application = this;
}

Application::~Application()
{
    if (g_application == this)
        g_application = nullptr;
}

Application* Application::Current()
{
    return g_application;
}

HWND Application::MainWindow() const
{
    return mainDialog_ ? mainDialog_->hwnd() : nullptr;
}

int Application::ExitInstance()
{
    return 0;
}

std::wstring Application::Title() const
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return L"Quorbel";
    std::wstring name(path, length);
    const std::size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        name.erase(0, slash + 1);
    const std::size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos && dot > 0)
        name.erase(dot);
    return name;
}

int Application::Run()
{
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    if (InitInstance()) {
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return ExitInstance();
}

}  // namespace fw
