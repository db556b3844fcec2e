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

// Typed as a user would: select all, replace it with the command, press Return.
//
// A message the host does not answer in time may still be handled when the host wakes
// (Windows delivers it late; Wine drops it), so after a time-out we cannot know what of
// the command has arrived or will. Going on by posting is no way out: the text travels
// by pointer and cannot be posted to another process, and Return is never pressed on a
// command line whose text we have not seen arrive, for Return in an empty command line
// opens the file under the panel's cursor. So a command is either typed whole, in
// order, or nothing of it is left behind: after a time-out we post the erasing of the
// command line. The host handles posted messages after every message still pending
// from us and before any key the user presses meanwhile, so the erasing follows
// whatever of the command lands late and takes nothing the user typed. Without it the
// half-typed text would stay, and every later click would find the command line taken.
void TypeCommand(HWND edit, const std::string& text)
{
    if (SendToHost(edit, EM_SETSEL, 0, -1) && SendToHost(edit, EM_SCROLLCARET, 0, 0) &&
        SendToHost(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()))) {
        const bool pressed = SendToHost(edit, WM_KEYDOWN, VK_RETURN, 0);
        Sleep(10);
        if (pressed) {
            SendToHost(edit, WM_KEYUP, VK_RETURN, 0);
            return;
        }
        // A key-down handled late still gets its key-up, after it.
        PostMessageA(edit, WM_KEYUP, VK_RETURN, 0);
    }
    PostMessageA(edit, EM_SETSEL, 0, -1);
    PostMessageA(edit, WM_CLEAR, 0, 0);
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

    TypeCommand(edit, DirectoryChangeText(path));
    SetForegroundWindow(host);
}

}  // namespace quorbel
