#pragma once
#include <windows.h>

#include <string>

namespace fw {

class Dialog;

// The program's one application object: a global constructed during static
// initialisation. WinMain calls InitInstance; when it returns true, a plain message loop
// runs until WM_QUIT; either way ExitInstance ends the program.
class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application* Current();

    virtual bool InitInstance() = 0;
    virtual int ExitInstance();

    HINSTANCE Instance() const { return GetModuleHandleW(nullptr); }

    // The window that owns dialogs and message boxes made without an owner: the window
    // of the main dialog, once it has one.
    HWND MainWindow() const;
    void SetMainWindow(const Dialog* dialog) { mainDialog_ = dialog; }

    // The executable's file name without its extension: the caption of message boxes.
    std::wstring Title() const;

    int Run();

private:
    const Dialog* mainDialog_ = nullptr;
};

}  // namespace fw
