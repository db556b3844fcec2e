#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace standin {

// What the command line asks of the host (the options are listed in StandInHost.cpp).
// Texts are kept as the bytes the C runtime hands over: system code page.
struct HostOptions {
    std::string logPath;
    std::string title = "Stand-in host";
    std::string comboClass = "TMyComboBox.UnicodeClass";
    std::string commandLineText;
    bool minimized = false;
    bool hasRect = false;
    RECT rect{};  // left, top, width and height when hasRect
    DWORD hangAtStartMs = 0;
    DWORD hangAfterDelayMs = 0;
    DWORD hangAfterMs = 0;
    DWORD busyAfterTextMs = 0;
};

// Fills `options` from the arguments (without the program name). On a malformed or
// unknown argument returns false and describes it in `error`.
bool ParseHostOptions(const std::vector<std::string>& arguments, HostOptions& options,
                      std::string& error);

}  // namespace standin
