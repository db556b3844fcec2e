#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "framework/Window.h"

namespace standin {

// The host's command line: a real drop-down combo box (so a real EDIT child) registered
// under a class name of our choosing, as a superclass of the system COMBOBOX. Return in
// its edit hands the typed text to the owner and empties the edit again, so that the
// edit is empty whenever nobody is typing.
class CommandLine {
public:
    using ReturnHandler = std::function<void(const std::string& text)>;

    // Creates the combo box as child `id` of `parent`, of window class `className`.
    bool Create(HWND parent, int id, const std::string& className, ReturnHandler onReturn);

    HWND Combo() const { return combo_; }
    HWND Edit() const { return editHook_.hwnd(); }

    void SetText(const std::string& text) const;
    // Once, right after text is put into the edit (EM_REPLACESEL), stops answering for
    // `milliseconds` while its sender still waits for the answer.
    void BusyOnceAfterText(DWORD milliseconds) { editHook_.busyAfterTextMs = milliseconds; }
    // Puts a command on top of the drop-down list, as a history of what was entered.
    void Remember(const std::string& text) const;

private:
    class EditHook : public fw::Subclass {
    public:
        ReturnHandler onReturn;
        DWORD busyAfterTextMs = 0;

    protected:
        LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    private:
        void OnReturn();
        void SyncCaption();
    };

    static bool RegisterSuperclass(const std::wstring& className);
    static LRESULT CALLBACK SuperclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND combo_ = nullptr;
    EditHook editHook_;
};

}  // namespace standin
