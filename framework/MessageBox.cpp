#include "framework/MessageBox.h"

#include <string>

#include "framework/Application.h"

namespace fw {

int ShowMessage(const wchar_t* text, UINT style)
{
    Application* application = Application::Current();
    HWND owner = GetActiveWindow();
    if (!owner && application)
        owner = application->MainWindow();
    const std::wstring caption = application ? application->Title() : std::wstring(L"Quorbel");
    return MessageBoxW(owner, text, caption.c_str(), style);
}

}  // namespace fw
