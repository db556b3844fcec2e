#pragma once
#include <string>

namespace quorbel {

// The host file manager's main window class, as FindWindowA takes it.
inline constexpr char kHostWindowClass[] = "TTOTAL_CMD";

// The message that makes the host run one of its command numbers (wParam).
inline constexpr unsigned kHostCommandMessage = 0x400 + 51;

// True for the class of the host's command-line combo box: "TComboBox" or
// "TMyComboBox.UnicodeClass", in any letter case. Only the first 259 characters of a
// class name take part, as many as a 260-byte class-name buffer holds.
bool IsHostCommandLineClass(const std::string& className);

// What is typed into the host's command line to change its folder: the path unquoted
// and unchanged, also when it is empty or holds spaces.
std::string DirectoryChangeText(const std::string& path);

}  // namespace quorbel
