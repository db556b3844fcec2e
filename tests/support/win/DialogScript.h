#pragma once
#include <windows.h>

#include <chrono>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>

namespace quorbel::test {

// Plays the user's part against the modal dialogs of the thread that makes it, from a
// thread of its own: it waits for windows to appear (polling against a deadline), types
// into controls, ticks boxes, chooses combo items and presses buttons with the messages
// the controls themselves react to. A step that cannot be done fails the script; every
// dialog of the tested thread is then cancelled, so that the modal run under test
// returns and the test can report instead of hanging.
class DialogScript {
public:
    using Steps = std::function<void(DialogScript&)>;

    explicit DialogScript(Steps steps,
                          std::chrono::milliseconds stepTimeout = std::chrono::seconds(10));
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // Waits for the steps to end; what went wrong, empty when every step was done.
    std::string Finish();

    // --- Steps, called from the script's thread ---

    // A visible dialog of the tested thread with this caption.
    HWND WaitForDialog(const std::wstring& caption);
    // A visible dialog owned by `owner`: a message box, the colour chooser, a nested dialog.
    HWND WaitForOwnedBy(HWND owner);
    // A visible message box of the tested thread.
    HWND WaitForMessageBox();
    void WaitUntilGone(HWND window);
    void WaitUntil(const std::function<bool()>& condition, const std::string& what);

    void SetText(HWND dialog, int id, const std::string& text);
    std::string Text(HWND dialog, int id);
    // A message box's text (its static control 0xFFFF).
    std::wstring MessageText(HWND box);
    bool IsChecked(HWND dialog, int id);
    bool IsEnabled(HWND dialog, int id);
    bool IsVisible(HWND dialog, int id);
    int ComboSelection(HWND dialog, int id);

    // BM_CLICK, sent: returns when the dialog has handled the click.
    void Click(HWND dialog, int id);
    // BM_CLICK, posted: for buttons that open a modal window of their own.
    void Press(HWND dialog, int id);
    // CB_SETCURSEL and the CBN_SELCHANGE the owner would have been told.
    void Choose(HWND dialog, int comboId, int index);
    // Gives a list-view row the selected and focused state (-1: no row selected).
    void SelectRow(HWND dialog, int listId, int row);
    // The text of a list-view cell.
    std::string RowText(HWND dialog, int listId, int row, int column);
    int RowCount(HWND dialog, int listId);
    int SelectedRow(HWND dialog, int listId);

    // Any other question or command, sent with the step time-out.
    LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    [[noreturn]] void Fail(const std::string& what);

private:
    struct Failure : std::runtime_error {
        using std::runtime_error::runtime_error;
    };

    void Run(const Steps& steps);
    HWND Control(HWND dialog, int id);
    void CancelEverything();

    DWORD testedThread_;
    std::chrono::milliseconds stepTimeout_;
    std::string failure_;
    std::thread runner_;
};

}  // namespace quorbel::test
