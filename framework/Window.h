#pragma once
#include <windows.h>

#include <functional>

namespace fw {

// A window of a class registered by the program. The object is bound to its window at
// WM_NCCREATE and unbound at WM_NCDESTROY; every message goes to one virtual
// HandleMessage, which switches to small named handlers.
class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }

    // Registers `className` (once per process) with this class's window procedure.
    static bool RegisterWindowClass(const wchar_t* className, UINT classStyle, HICON icon,
                                    HCURSOR cursor, HBRUSH background);

    bool Create(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                int x, int y, int width, int height, HWND parent, HMENU menu);

    // Destroys the window, if there is one.
    void Destroy();

protected:
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

// Binds an object to a window that already exists (a control of a dialog or a common
// control made by someone else) through a subclass procedure; messages reach
// HandleMessage, and Default passes them on to the window's own procedure.
class Subclass {
public:
    Subclass() = default;
    virtual ~Subclass();
    Subclass(const Subclass&) = delete;
    Subclass& operator=(const Subclass&) = delete;

    bool Attach(HWND window);
    void Detach();
    HWND hwnd() const { return hwnd_; }

    // Runs `work` now, or, while a message of the window is being handled, once the
    // outermost one has returned. A control goes on using its own data after a message
    // it sent out comes back (a toolbar after the WM_COMMAND of a click), so work that
    // destroys or rebuilds the control must wait until the control's procedure has left
    // the stack. Work asked for again before then replaces the earlier request: it runs
    // once.
    void AfterMessage(std::function<void()> work);

protected:
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data);
    void RunDeferredWork();

    HWND hwnd_ = nullptr;
    int messageDepth_ = 0;  // messages of the window being handled, nested
    std::function<void()> deferredWork_;
};

}  // namespace fw
