#include "tools/standin-host/HostWindow.h"

#include <cstdio>
#include <vector>

#include "tools/standin-host/HostProtocol.h"

namespace standin {

namespace {

constexpr wchar_t kClassName[] = L"TTOTAL_CMD";
constexpr UINT_PTR kHangTimer = 1;

constexpr int kMargin = 4;
constexpr int kHeaderHeight = 20;
constexpr int kCommandRowHeight = 24;
constexpr int kPromptWidth = 200;

// IDI_APPLICATION and IDC_ARROW, in the wide form the W functions take whatever UNICODE says.
const wchar_t* const kApplicationIcon = MAKEINTRESOURCEW(32512);
const wchar_t* const kArrowCursor = MAKEINTRESOURCEW(32512);

std::string CurrentDirectory()
{
    char buffer[MAX_PATH];
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, buffer);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string("C:\\");
}

bool StartsWithCd(const std::string& text)
{
    return text.size() >= 3 && (text[0] == 'c' || text[0] == 'C') &&
           (text[1] == 'd' || text[1] == 'D') && text[2] == ' ';
}

BOOL CALLBACK SetChildFont(HWND child, LPARAM font)
{
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
    return TRUE;
}

}  // namespace

HostWindow::HostWindow(const HostOptions& options, const EventLog& log)
    : options_(options), log_(log), activeHeaderBrush_(CreateSolidBrush(kActiveHeaderColour))
{
}

bool HostWindow::Create()
{
    if (!RegisterWindowClass(kClassName, CS_HREDRAW | CS_VREDRAW,
                             LoadIconW(nullptr, kApplicationIcon), LoadCursorW(nullptr, kArrowCursor),
                             reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return false;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = 640, height = 420;
    if (options_.hasRect) {
        x = options_.rect.left;
        y = options_.rect.top;
        width = options_.rect.right;
        height = options_.rect.bottom;
    }
    if (!fw::Window::Create(0, kClassName, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, x, y, width,
                            height, nullptr, nullptr))
        return false;
    // The title may carry any bytes of the system code page: set it through the A function.
    SetWindowTextA(hwnd(), options_.title.c_str());
    return true;
}

void HostWindow::Show()
{
    // SW_SHOWMINNOACTIVE is what a shortcut set to "run minimised" asks for.
    ShowWindow(hwnd(), options_.minimized ? SW_SHOWMINNOACTIVE : SW_SHOWNORMAL);
    UpdateWindow(hwnd());

    char line[64];
    std::snprintf(line, sizeof line, "ready 0x%llX",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hwnd())));
    log_.Write(line);

    // Hanging happens from the message loop, after the window is on screen and logged.
    if (options_.hangAtStartMs > 0)
        PostMessageW(hwnd(), kHangMessage, options_.hangAtStartMs, 0);
    if (options_.hangAfterMs > 0)
        SetTimer(hwnd(), kHangTimer, options_.hangAfterDelayMs, nullptr);
}

LRESULT HostWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
            OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SETFOCUS:
        OnSetFocus();
        return 0;
    case WM_CTLCOLORSTATIC:
        return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case kRunCommandMessage:
        OnRunCommand(wParam);
        return 0;
    case kHangMessage:
        OnHang(static_cast<DWORD>(wParam));
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

bool HostWindow::OnCreate()
{
    if (!left_.Create(hwnd(), kLeftHeaderId, kLeftListId) ||
        !right_.Create(hwnd(), kRightHeaderId, kRightListId))
        return false;
    prompt_ = CreateWindowExW(0, L"STATIC", L"",
                              WS_CHILD | WS_VISIBLE | SS_RIGHT | SS_NOPREFIX | SS_CENTERIMAGE,
                              0, 0, 0, 0, hwnd(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPromptId)),
                              GetModuleHandleW(nullptr), nullptr);
    if (!prompt_)
        return false;
    if (!commandLine_.Create(hwnd(), kCommandLineId, options_.comboClass,
                             [this](const std::string& text) { OnCommandEntered(text); }))
        return false;
    EnumChildWindows(hwnd(), SetChildFont,
                     reinterpret_cast<LPARAM>(GetStockObject(DEFAULT_GUI_FONT)));

    ChangeFolder(CurrentDirectory());
    right_.SetFolder("C:\\");
    if (!options_.commandLineText.empty())
        commandLine_.SetText(options_.commandLineText);
    commandLine_.BusyOnceAfterText(options_.busyAfterTextMs);
    return true;
}

void HostWindow::OnSize(int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    const int panelsBottom = height - kCommandRowHeight - 2 * kMargin;
    const int half = width / 2;
    left_.MoveTo(RECT{kMargin, kMargin, half - kMargin / 2, panelsBottom}, kHeaderHeight);
    right_.MoveTo(RECT{half + kMargin / 2, kMargin, width - kMargin, panelsBottom}, kHeaderHeight);

    const int rowTop = height - kCommandRowHeight - kMargin;
    const int promptWidth = width / 3 < kPromptWidth ? width / 3 : kPromptWidth;
    MoveWindow(prompt_, kMargin, rowTop, promptWidth, kCommandRowHeight, TRUE);
    // A combo box's height is that of its dropped list; the edit part sizes itself.
    MoveWindow(commandLine_.Combo(), kMargin + promptWidth + kMargin, rowTop,
               width - promptWidth - 3 * kMargin, 200, TRUE);
}

void HostWindow::OnSetFocus()
{
    // Typing goes to the command line, as in the file manager when nothing else is chosen.
    SetFocus(commandLine_.Edit());
}

LRESULT HostWindow::OnCtlColorStatic(HDC dc, HWND control)
{
    if (control == left_.Header()) {
        SetTextColor(dc, kActiveHeaderText);
        SetBkColor(dc, kActiveHeaderColour);
        return reinterpret_cast<LRESULT>(activeHeaderBrush_.get());
    }
    return Default(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
}

void HostWindow::OnRunCommand(WPARAM command)
{
    // Command numbers are 32-bit signed values, whatever the width of WPARAM.
    log_.Write("command " + std::to_string(static_cast<int>(command)));
}

void HostWindow::OnHang(DWORD milliseconds)
{
    // Release a sender first: it learns that the pause has begun, not that it has ended.
    if (InSendMessage())
        ReplyMessage(0);
    log_.Write("hang " + std::to_string(milliseconds));
    Sleep(milliseconds);
    log_.Write("awake");
}

void HostWindow::OnTimer(UINT_PTR id)
{
    if (id != kHangTimer)
        return;
    KillTimer(hwnd(), kHangTimer);
    OnHang(options_.hangAfterMs);
}

void HostWindow::OnDestroy()
{
    log_.Write("exit");
    PostQuitMessage(0);
}

void HostWindow::OnCommandEntered(const std::string& text)
{
    if (StartsWithCd(text)) {
        const std::string folder = text.substr(3);
        // "cd" with nothing after it leaves the panel where it is.
        if (!folder.empty())
            ChangeFolder(folder);
    }
    if (!text.empty())
        commandLine_.Remember(text);
    // Logged last: once a reader sees the line, the command line is empty again and the
    // panel shows the new folder.
    log_.Write("return " + text);
}

void HostWindow::ChangeFolder(const std::string& folder)
{
    left_.SetFolder(folder);
    SetWindowTextA(prompt_, (folder + ">").c_str());
}

}  // namespace standin
