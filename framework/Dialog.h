#pragma once
#include <windows.h>

#include <string>

namespace fw {

// A modal dialog on a dialog template of the program's resources. DoModal creates the
// dialog, disables its owner and runs the dialog's own message loop until EndDialog; the
// loop offers every message to PreTranslateMessage before the dialog manager sees it.
// Subclasses override the steps they need: OnInitDialog, OnOK, OnCancel, OnCommand,
// and HandleMessage for everything else (calling Dialog::HandleMessage for the rest).
class Dialog {
public:
    // A null parent makes the application's main window the owner.
    Dialog(int templateId, HWND parent);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // IDOK, IDCANCEL or what EndDialog was given; -1 when the dialog could not be made or
    // a quit message ended the loop (the quit message is posted again for outer loops).
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);

    HWND hwnd() const { return hwnd_; }
    int TemplateId() const { return templateId_; }

    // Control helpers. The A forms carry data text (system code page) unchanged.
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    std::string ItemTextA(int id) const;
    void SetItemTextA(int id, const std::string& text) const;
    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked) const;

protected:
    // Return TRUE to let the system give the focus to the first control.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // True when the command was handled.
    virtual bool OnCommand(WORD id, WORD notifyCode, HWND control);
    // True when the message is consumed and must not be dispatched.
    virtual bool PreTranslateMessage(MSG& message);
    // True with `result` set when the message was handled.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void RunModalLoop();

    int templateId_;
    HWND parent_;
    HWND hwnd_ = nullptr;
    bool ended_ = false;
    INT_PTR result_ = -1;
};

}  // namespace fw
