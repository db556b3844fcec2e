#pragma once
#include <windows.h>

// What other programs may rely on in the stand-in host: the messages it answers and the
// ids of the controls whose text tells what it shows. The end-to-end harness includes
// this header, so both sides agree on the numbers.
namespace standin {

// Runs a host command; wParam is the command number. The same number the real file
// manager uses, so that a bar can be pointed at either.
constexpr UINT kRunCommandMessage = WM_USER + 51;

// Makes the host stop answering messages for wParam milliseconds. A sender is released
// before the pause begins, so SendMessage returns once the host is hung.
constexpr UINT kHangMessage = WM_APP + 1;

// Child control ids.
constexpr int kCommandLineId = 100;  // the command-line combo box
constexpr int kPromptId = 101;       // the "folder>" label before the command line
constexpr int kLeftHeaderId = 201;   // folder shown by the left (active) panel
constexpr int kRightHeaderId = 202;  // folder shown by the right panel
constexpr int kLeftListId = 301;
constexpr int kRightListId = 302;

// Colours of the panel headers, so that a screenshot can tell which panel is active.
constexpr COLORREF kActiveHeaderColour = RGB(0, 64, 160);
constexpr COLORREF kActiveHeaderText = RGB(255, 255, 255);

}  // namespace standin
