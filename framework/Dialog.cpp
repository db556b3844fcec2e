#include "framework/Dialog.h"

#include <vector>

#include "framework/Application.h"
#include "framework/MessageLoop.h"

namespace fw {

Dialog::Dialog(int templateId, HWND parent) : templateId_(templateId), parent_(parent) {}

Dialog::~Dialog()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
}

INT_PTR Dialog::DoModal()
{
    HWND owner = parent_;
    if (!owner && Application::Current())
        owner = Application::Current()->MainWindow();

    ended_ = false;
    result_ = -1;
    hwnd_ = nullptr;
    // The owner takes no input while the dialog runs, from its first message on.
    const bool ownerEnabled = owner && IsWindowEnabled(owner);
    if (ownerEnabled)
        EnableWindow(owner, FALSE);
    HWND window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_),
                                     owner, DialogProc, reinterpret_cast<LPARAM>(this));
    if (!window) {
        if (ownerEnabled)
            EnableWindow(owner, TRUE);
        return -1;
    }

    // A template without WS_VISIBLE is shown here; one with it the dialog manager has shown.
    if (!ended_ && !IsWindowVisible(window))
        ShowWindow(window, SW_SHOWNORMAL);

    RunModalLoop();

    // The owner gets its input back before this window goes, so that activation
    // returns to it and not to some other program's window.
    if (ownerEnabled)
        EnableWindow(owner, TRUE);
    if (hwnd_)
        DestroyWindow(hwnd_);
    return result_;
}

void Dialog::EndDialog(INT_PTR result)
{
    result_ = result;
    ended_ = true;
    if (hwnd_)
        PostMessageW(hwnd_, WM_NULL, 0, 0);  // wakes the loop if a nested one ended us
}

void Dialog::RunModalLoop()
{
    MSG message;
    while (!ended_) {
        const Arrival arrival = TakeNextMessage(message);
        if (arrival == Arrival::Quit) {
            // A quit message ends this loop and, posted again, every loop around it.
            PostQuitMessage(static_cast<int>(message.wParam));
            result_ = -1;
            break;
        }
        const HandlingMessage handling(message, arrival);
        if (PreTranslateMessage(message))
            continue;
        if (hwnd_ && IsDialogMessageW(hwnd_, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::string Dialog::ItemTextA(int id) const
{
    HWND item = Item(id);
    const int length = item ? GetWindowTextLengthA(item) : 0;
    if (length <= 0)
        return std::string();
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    const int copied = GetWindowTextA(item, text.data(), length + 1);
    return std::string(text.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

void Dialog::SetItemTextA(int id, const std::string& text) const
{
    SetDlgItemTextA(hwnd_, id, text.c_str());
}

bool Dialog::IsChecked(int id) const
{
    return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED;
}

void Dialog::SetChecked(int id, bool checked) const
{
    CheckDlgButton(hwnd_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

BOOL Dialog::OnInitDialog()
{
    return TRUE;
}

void Dialog::OnOK()
{
    EndDialog(IDOK);
}

void Dialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool Dialog::OnCommand(WORD, WORD, HWND)
{
    return false;
}

bool Dialog::PreTranslateMessage(MSG&)
{
    return false;
}

bool Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_INITDIALOG:
        result = OnInitDialog();
        return true;
    case WM_COMMAND: {
        const WORD id = LOWORD(wParam);
        result = 0;
        if (id == IDOK) {
            OnOK();
            return true;
        }
        if (id == IDCANCEL) {
            OnCancel();
            return true;
        }
        return OnCommand(id, HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    }
    default:
        return false;
    }
}

namespace {

// Messages whose answer a dialog procedure returns itself instead of through
// DWLP_MSGRESULT (see the DialogProc documentation).
bool AnswersDirectly(UINT message)
{
    switch (message) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return true;
    default:
        return false;
    }
}

}  // namespace

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Dialog* self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    }
    if (!self)
        return FALSE;

    LRESULT result = 0;
    bool handled = false;
    try {
        handled = self->HandleMessage(message, wParam, lParam, result);
    } catch (...) {
        // Nothing may unwind through the system's dispatching code.
        handled = false;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    if (!handled)
        return FALSE;
    if (AnswersDirectly(message))
        return static_cast<INT_PTR>(result);
    // The answer stays in the window until changed, and changing it is a round trip to
    // the window server on some platforms: a timer tick would pay for one every time.
    if (GetWindowLongPtrW(window, DWLP_MSGRESULT) != result)
        SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace fw
