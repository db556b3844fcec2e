#pragma once
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <utility>

namespace fw {

// A move-only owner of one platform handle. Traits name the handle type, its empty
// value and how it is released. Owners are named after what they own (Font, Menu);
// a handle merely borrowed is passed around as the plain handle type (HFONT, HMENU).
template <class Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Empty(); }

    Handle release() { return std::exchange(handle_, Traits::Empty()); }

    void reset(Handle handle = Traits::Empty())
    {
        if (handle_ != Traits::Empty())
            Traits::Release(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::Empty();
};

template <class H>
struct GdiObjectTraits {
    using Handle = H;
    static Handle Empty() { return nullptr; }
    static void Release(Handle h) { DeleteObject(h); }
};

struct MenuTraits {
    using Handle = HMENU;
    static Handle Empty() { return nullptr; }
    static void Release(Handle h) { DestroyMenu(h); }
};

struct IconTraits {
    using Handle = HICON;
    static Handle Empty() { return nullptr; }
    static void Release(Handle h) { DestroyIcon(h); }
};

struct ImageListTraits {
    using Handle = HIMAGELIST;
    static Handle Empty() { return nullptr; }
    static void Release(Handle h) { ImageList_Destroy(h); }
};

struct KernelObjectTraits {
    using Handle = HANDLE;
    static Handle Empty() { return nullptr; }
    static void Release(Handle h) { CloseHandle(h); }
};

struct DcTraits {
    using Handle = HDC;
    static Handle Empty() { return nullptr; }
    static void Release(Handle h) { DeleteDC(h); }
};

using Font = UniqueHandle<GdiObjectTraits<HFONT>>;
using Brush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using Pen = UniqueHandle<GdiObjectTraits<HPEN>>;
using Bitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using Menu = UniqueHandle<MenuTraits>;
using Icon = UniqueHandle<IconTraits>;
using ImageList = UniqueHandle<ImageListTraits>;
using KernelObject = UniqueHandle<KernelObjectTraits>;

// A device context made with CreateCompatibleDC, deleted with it.
using MemoryDC = UniqueHandle<DcTraits>;

// Selects an object into a DC for the life of the guard and puts the previous one back.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectGuard()
    {
        if (previous_ && previous_ != HGDI_ERROR)
            SelectObject(dc_, previous_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC get() const { return dc_; }
    const RECT& Area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// GetDC/ReleaseDC of one window (null: the screen).
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// GetWindowDC/ReleaseDC: the whole window, non-client area included.
class NonClientDC {
public:
    explicit NonClientDC(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    ~NonClientDC()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    NonClientDC(const NonClientDC&) = delete;
    NonClientDC& operator=(const NonClientDC&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// SetBkMode/SetTextColor for the life of the guard.
class TextStyleGuard {
public:
    TextStyleGuard(HDC dc, int backgroundMode, COLORREF textColour)
        : dc_(dc), mode_(SetBkMode(dc, backgroundMode)), colour_(SetTextColor(dc, textColour))
    {
    }
    ~TextStyleGuard()
    {
        SetTextColor(dc_, colour_);
        SetBkMode(dc_, mode_);
    }
    TextStyleGuard(const TextStyleGuard&) = delete;
    TextStyleGuard& operator=(const TextStyleGuard&) = delete;

private:
    HDC dc_;
    int mode_;
    COLORREF colour_;
};

}  // namespace fw
