#include "host/win/HostControl.h"

#include "host/HostNames.h"

namespace quorbel {

namespace {

// Sends with the bound; false when the host did not answer in time (or is known hung).
bool SendToHost(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result = nullptr)
{
    DWORD_PTR answer = 0;
    const LRESULT ok = SendMessageTimeoutA(window, message, wParam, lParam,
                                           SMTO_ABORTIFHUNG | SMTO_NORMAL, kHostReplyTimeoutMs, &answer);
    if (result)
        *result = answer;
    return ok != 0;
}

std::string ClassNameOf(HWND window)
{
    char name[260];
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace

HWND FindHostWindow()
{
    return FindWindowA(kHostWindowClass, nullptr);
}

void SendHostCommand(int command)
{
    HWND host = FindHostWindow();
    if (!host)
        return;
    SendToHost(host, kHostCommandMessage, static_cast<WPARAM>(command), 0);
    SetForegroundWindow(host);
}

BOOL CALLBACK FindHostCommandLine(HWND child, LPARAM found)
{
    if (!IsHostCommandLineClass(ClassNameOf(child)))
        return TRUE;
    HWND edit = FindWindowExA(child, nullptr, "EDIT", nullptr);
    if (!edit)
        return TRUE;
    // Whether the edit part is empty is asked for its first characters, not its length:
    // a request for the length can wait on a hung host however short the time-out given
    // (measured under Wine), and a hung host must never hang the bar. A few bytes hold a
    // first character of any code page.
    char start[8] = {};
    DWORD_PTR copied = 0;
    if (!SendToHost(edit, WM_GETTEXT, sizeof start, reinterpret_cast<LPARAM>(start), &copied) || copied != 0 ||
        start[0] != '\0')
        return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

void ChangeHostDirectory(std::string path)
{
    HWND host = FindHostWindow();
    if (!host)
        return;
    HWND commandLine = nullptr;
    EnumChildWindows(host, FindHostCommandLine, reinterpret_cast<LPARAM>(&commandLine));
    if (!commandLine)
        return;
    HWND edit = FindWindowExA(commandLine, nullptr, "EDIT", nullptr);
    if (!edit)
        return;

    // Typed as a user would: replace whatever is selected, then Return. A host that
    // stops answering halfway gets nothing more.
    const std::string text = DirectoryChangeText(path);
    if (SendToHost(edit, EM_SETSEL, 0, -1) &&
        SendToHost(edit, EM_SCROLLCARET, 0, 0) &&
        SendToHost(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str())) &&
        SendToHost(edit, WM_KEYDOWN, VK_RETURN, 0)) {
        Sleep(10);
        SendToHost(edit, WM_KEYUP, VK_RETURN, 0);
    }
    SetForegroundWindow(host);
}

}  // namespace quorbel
