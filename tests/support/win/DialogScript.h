#pragma once
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace quorbel::test {

// Plays the user's part against the modal dialogs of the thread that makes it, from a
// thread of its own: it waits for windows to appear (polling against a deadline) and
// drives the controls with the messages they themselves react to. A step that cannot be
// done fails the script; every dialog of the tested thread is then cancelled, so that the
// modal run under test returns and the test can report instead of hanging.
class DialogScript {
public:
    using Steps = std::function<void(DialogScript&)>;

    explicit DialogScript(Steps steps);
    ~DialogScript() { Finish(); }
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // Waits for the steps to end; what went wrong, empty when every step was done.
    std::string Finish();

    // --- Steps, called from the script's thread ---

    void WaitUntil(const std::function<bool()>& condition, const std::string& what);
    // A visible dialog of the tested thread with this caption.
    HWND WaitForDialog(const std::wstring& caption);
    // A visible dialog owned by `owner`: the colour chooser, a nested dialog.
    HWND WaitForOwnedBy(HWND owner);
    void WaitUntilGone(HWND window);
    // Waits for a message box of the tested thread, answers OK and returns its text.
    std::wstring AnswerMessageBox();

    // Any question or command, sent with the step time-out.
    LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0, bool ansi = false);

    void SetText(HWND d, int id, const std::string& text)
    {
        Send(Control(d, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), true);
    }
    std::string Text(HWND dialog, int id);
    bool IsChecked(HWND d, int id) { return Send(Control(d, id), BM_GETCHECK) == BST_CHECKED; }
    bool IsEnabled(HWND d, int id) { return IsWindowEnabled(Control(d, id)) != FALSE; }
    bool IsVisible(HWND d, int id) { return (GetWindowLongW(Control(d, id), GWL_STYLE) & WS_VISIBLE) != 0; }
    int ComboSelection(HWND d, int id) { return static_cast<int>(Send(Control(d, id), CB_GETCURSEL)); }
    // Sent: returns when the dialog has handled the click.
    void Click(HWND d, int id) { Send(Control(d, id), BM_CLICK); }
    // Posted: for buttons that open a modal window of their own.
    void Press(HWND d, int id) { PostMessageW(Control(d, id), BM_CLICK, 0, 0); }
    // CB_SETCURSEL and the CBN_SELCHANGE the owner would have been told.
    void Choose(HWND dialog, int comboId, int index);

    // Gives a list-view row the selected and focused state (-1: no row selected).
    void SelectRow(HWND dialog, int listId, int row);
    std::string RowText(HWND dialog, int listId, int row, int column);
    int RowCount(HWND d, int listId) { return static_cast<int>(Send(Control(d, listId), LVM_GETITEMCOUNT)); }
    int SelectedRow(HWND d, int listId)
    {
        return static_cast<int>(Send(Control(d, listId), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }

    [[noreturn]] void Fail(const std::string& what);

private:
    HWND WaitForVisibleDialog(const std::function<bool(HWND)>& wanted, const std::string& what);
    HWND Control(HWND dialog, int id);
    void CancelEverything();

    DWORD testedThread_;
    std::string failure_;
    std::thread runner_;
};

}  // namespace quorbel::test
