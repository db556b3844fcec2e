#include "framework/Window.h"

#include <commctrl.h>

namespace fw {

Window::~Window()
{
    Destroy();
}

bool Window::RegisterWindowClass(const wchar_t* className, UINT classStyle, HICON icon,
                                 HCURSOR cursor, HBRUSH background)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = classStyle;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = icon;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool Window::Create(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menu)
{
    if (hwnd_)
        return true;
    return CreateWindowExW(exStyle, className, text, style, x, y, width, height, parent, menu,
                           GetModuleHandleW(nullptr), this) != nullptr;
}

void Window::Destroy()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Default(message, wParam, lParam);
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* self;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);

    LRESULT result;
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind through the system's dispatching code.
        result = DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

Subclass::~Subclass()
{
    Detach();
}

bool Subclass::Attach(HWND window)
{
    Detach();
    if (!window || !SetWindowSubclass(window, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    hwnd_ = window;
    return true;
}

void Subclass::Detach()
{
    if (hwnd_) {
        RemoveWindowSubclass(hwnd_, SubclassProc, 0);
        hwnd_ = nullptr;
    }
}

void Subclass::AfterMessage(std::function<void()> work)
{
    deferredWork_ = std::move(work);
    if (messageDepth_ == 0)
        RunDeferredWork();
}

void Subclass::RunDeferredWork()
{
    // Taken out first: the work may rebuild the control, whose messages come back here.
    const std::function<void()> work = std::move(deferredWork_);
    deferredWork_ = nullptr;
    try {
        work();
    } catch (...) {
        // Nothing may unwind through the system's dispatching code.
    }
}

LRESULT Subclass::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Default(message, wParam, lParam);
}

LRESULT Subclass::Default(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefSubclassProc(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Subclass::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR data)
{
    auto* self = reinterpret_cast<Subclass*>(data);
    LRESULT result;
    ++self->messageDepth_;
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        result = DefSubclassProc(window, message, wParam, lParam);
    }
    --self->messageDepth_;
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, SubclassProc, 0);
        self->hwnd_ = nullptr;
    }
    // The control's own procedure has returned: what had to wait for it runs now, as
    // any window may destroy itself in a handler of its own.
    if (self->messageDepth_ == 0 && self->deferredWork_)
        self->RunDeferredWork();
    return result;
}

}  // namespace fw
