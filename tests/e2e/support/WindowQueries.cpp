#include "tests/e2e/support/WindowQueries.h"

#include <functional>
#include <vector>

namespace quorbel::e2e {

namespace {

struct Collection {
    std::function<bool(HWND)> keep;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectOne(HWND window, LPARAM data)
{
    auto* collection = reinterpret_cast<Collection*>(data);
    if (collection->keep(window))
        collection->windows.push_back(window);
    return TRUE;
}

// The top-level windows (or, with a parent, its descendants) that `keep` accepts.
std::vector<HWND> Collect(std::function<bool(HWND)> keep, HWND parent = nullptr)
{
    Collection collection{std::move(keep), {}};
    if (parent)
        EnumChildWindows(parent, CollectOne, reinterpret_cast<LPARAM>(&collection));
    else
        EnumWindows(CollectOne, reinterpret_cast<LPARAM>(&collection));
    return collection.windows;
}

bool OfClass(HWND window, const std::string& className)
{
    return lstrcmpiA(ClassNameOf(window).c_str(), className.c_str()) == 0;
}

bool HasCaption(HWND window)
{
    return (GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
}

}  // namespace

std::optional<LRESULT> SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       std::chrono::milliseconds timeout)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL,
                             static_cast<UINT>(timeout.count()), &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

bool IsAnswering(HWND window, std::chrono::milliseconds timeout)
{
    return SendWithTimeout(window, WM_NULL, 0, 0, timeout).has_value();
}

std::string ClassNameOf(HWND window)
{
    char name[260];
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::optional<std::string> TextOf(HWND window, std::chrono::milliseconds timeout)
{
    const std::optional<LRESULT> length = SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0, timeout);
    if (!length)
        return std::nullopt;
    // WM_GETTEXTLENGTH may overstate the length in bytes; never understates it.
    std::vector<char> buffer(static_cast<std::size_t>(*length) + 1);
    const std::optional<LRESULT> copied = SendWithTimeout(
        window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), timeout);
    if (!copied)
        return std::nullopt;
    return std::string(buffer.data(), static_cast<std::size_t>(*copied));
}

RECT WindowRectOf(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

DWORD ProcessIdOf(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

DWORD ThreadIdOf(HWND window)
{
    return GetWindowThreadProcessId(window, nullptr);
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId)
{
    return Collect([processId](HWND window) { return ProcessIdOf(window) == processId; });
}

std::vector<HWND> TopLevelWindowsOfClass(const std::string& className)
{
    return Collect([&](HWND window) { return OfClass(window, className); });
}

std::vector<HWND> DescendantsOfClass(HWND parent, const std::string& className)
{
    return Collect([&](HWND window) { return OfClass(window, className); }, parent);
}

HWND FindBarWindow(DWORD quorbelProcessId)
{
    for (HWND window : TopLevelWindowsOf(quorbelProcessId))
        if (ClassNameOf(window) == "#32770" && !HasCaption(window))
            return window;
    return nullptr;
}

std::vector<HWND> DialogsOf(DWORD processId)
{
    std::vector<HWND> dialogs;
    for (HWND window : TopLevelWindowsOf(processId))
        if (ClassNameOf(window) == "#32770" && HasCaption(window))
            dialogs.push_back(window);
    return dialogs;
}

HWND FindOpenMenu()
{
    for (HWND window : TopLevelWindowsOfClass("#32768"))
        if (IsWindowVisible(window))
            return window;
    return nullptr;
}

HWND ForegroundWindow()
{
    return GetForegroundWindow();
}

std::string ForegroundClassName()
{
    HWND window = GetForegroundWindow();
    return window ? ClassNameOf(window) : std::string();
}

bool BringToForeground(HWND window, std::chrono::milliseconds timeout)
{
    // Asked again while it does not hold: under Wine a focus change that the X server
    // reports late (a window of another program mapped or unmapped meanwhile, the
    // desktop made at the first start) can undo the first. Only a foreground that stays
    // for a few of the bar's ticks counts.
    return WaitUntil([window] {
        if (GetForegroundWindow() != window)
            SetForegroundWindow(window);
        return GetForegroundWindow() == window &&
               HoldsFor([window] { return GetForegroundWindow() == window; }, 3 * kTickPeriod);
    }, timeout);
}

}  // namespace quorbel::e2e
