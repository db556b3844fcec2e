#pragma once
#include <windows.h>

#include <string>

#include "framework/Handles.h"
#include "framework/Window.h"
#include "tools/standin-host/CommandLine.h"
#include "tools/standin-host/EventLog.h"
#include "tools/standin-host/FolderPanel.h"
#include "tools/standin-host/HostOptions.h"

namespace standin {

// The host's main window, of class "TTOTAL_CMD": two folder panels side by side and the
// command line below them. It answers what a bar relies on (typed "cd" commands and
// command numbers) and can play dead for a while on request.
class HostWindow : public fw::Window {
public:
    HostWindow(const HostOptions& options, const EventLog& log);

    bool Create();
    // Shows the window as the options ask and announces it in the log.
    void Show();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool OnCreate();
    void OnSize(int width, int height);
    void OnSetFocus();
    LRESULT OnCtlColorStatic(HDC dc, HWND control);
    void OnRunCommand(WPARAM command);
    void OnHang(DWORD milliseconds);
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    void OnCommandEntered(const std::string& text);

    void ChangeFolder(const std::string& folder);

    const HostOptions& options_;
    const EventLog& log_;
    FolderPanel left_;
    FolderPanel right_;
    CommandLine commandLine_;
    HWND prompt_ = nullptr;
    fw::Brush activeHeaderBrush_;
};

}  // namespace standin
