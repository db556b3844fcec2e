#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <thread>

namespace quorbel::test {

// Plays the user's part against the modal windows of the thread that makes it, from a
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
    // A visible dialog of the tested thread with this caption, or owned by `owner`.
    HWND WaitForDialog(const std::wstring& caption, HWND owner = nullptr);
    void WaitUntilGone(HWND window);
    // Waits for a message box of the tested thread, answers OK and returns its text.
    std::wstring AnswerMessageBox();
    [[noreturn]] void Fail(const std::string& what);

    // Any question or command, sent with the step time-out.
    LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0, bool ansi = false);
    LRESULT SendItem(HWND d, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return Send(GetDlgItem(d, id), message, wParam, lParam);
    }

    std::string Text(HWND dialog, int id);
    void SetText(HWND d, int id, const std::string& text)
    {
        Send(GetDlgItem(d, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), true);
    }
    // Sent: returns when the dialog has handled the click.
    void Click(HWND d, int id) { SendItem(d, id, BM_CLICK); }
    // Posted: for buttons that open a modal window of their own.
    void Press(HWND d, int id) { PostMessageW(GetDlgItem(d, id), BM_CLICK, 0, 0); }

private:
    DWORD testedThread_;
    std::string failure_;
    std::thread runner_;
};

}  // namespace quorbel::test
