// StandInHost.exe: a small two-panel window that behaves, towards the bar, like the file
// manager it is glued to. It is the bar's counterpart in the end-to-end tests and the
// host to show the bar with when the real file manager is not at hand.
//
// What it offers, and nothing more is relied on:
//   - a top-level window of class "TTOTAL_CMD";
//   - a command line: a drop-down combo box (class "TMyComboBox.UnicodeClass" unless
//     --combo-class says otherwise) whose EDIT child is empty while nobody types;
//   - Return in that EDIT (a real key press, or WM_KEYDOWN VK_RETURN sent to it) logs the
//     text and empties the EDIT; "cd <folder>" also makes the left panel show <folder>;
//   - message WM_USER + 51 (1075) to the main window logs its command number (wParam).
//
// Options (texts are taken in the system code page):
//   --log=PATH            append the event log to PATH (no log without it)
//   --title=TEXT          window title (default "Stand-in host")
//   --combo-class=NAME    window class of the command-line combo box, e.g. TComboBox
//   --text=TEXT           start with TEXT in the command line
//   --minimized           start minimised (and not active)
//   --pos=X,Y,W,H         window position and size
//   --hang-at-start=MS    stop answering messages for MS milliseconds once started
//   --hang-after=DELAY,MS stop answering messages for MS milliseconds, DELAY ms after start
//   --busy-after-text=MS  once, when text is first put into the command line, stop
//                         answering for MS milliseconds before its sender gets the answer
// On demand, message WM_APP + 1 (32769) with wParam MS makes it stop answering for MS
// milliseconds; a SendMessage of it returns as the pause begins. Any number of copies
// may run at once. A malformed option ends the program with exit code 2 (logged when
// --log came before it).
//
// Log format: one line per event, ended by CR LF, appended and flushed as it happens.
// Texts are the bytes GetWindowTextA returns, unquoted and unescaped.
//   ready 0x<main window handle in hex>   the window is shown and answering
//   return <text of the command line>     Return was pressed; "return cd C:\Program Files"
//   command <number>                      message 1075 arrived; "command 2001"
//   hang <milliseconds>                   it stops answering now
//   awake                                 it answers again
//   exit                                  the main window is being destroyed
//   error <description>                   a malformed option; the program ends
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tools/standin-host/EventLog.h"
#include "tools/standin-host/HostOptions.h"
#include "tools/standin-host/HostWindow.h"

namespace {

std::vector<std::string> Arguments()
{
    // The C runtime splits the command line by the usual quoting rules and leaves the
    // bytes in the system code page.
    std::vector<std::string> arguments;
    for (int i = 1; i < __argc; ++i)
        arguments.emplace_back(__argv[i]);
    return arguments;
}

// The log path of a malformed command line, so that the error can still be reported.
std::string LogPathOf(const std::vector<std::string>& arguments)
{
    for (const std::string& a : arguments)
        if (a.compare(0, 6, "--log=") == 0)
            return a.substr(6);
    return std::string();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const std::vector<std::string> arguments = Arguments();
    standin::HostOptions options;
    std::string error;
    if (!standin::ParseHostOptions(arguments, options, error)) {
        standin::EventLog(LogPathOf(arguments)).Write("error " + error);
        return 2;
    }

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    const standin::EventLog log(options.logPath);
    standin::HostWindow window(options, log);
    if (!window.Create()) {
        log.Write("error the window could not be created");
        return 1;
    }
    window.Show();

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
