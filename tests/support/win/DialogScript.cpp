#include "tests/support/win/DialogScript.h"

#include <commctrl.h>

#include <vector>

namespace quorbel::test {

namespace {

constexpr auto kPoll = std::chrono::milliseconds(5);

bool IsDialogClass(HWND window)
{
    wchar_t name[16] = {};
    return GetClassNameW(window, name, 16) && lstrcmpW(name, L"#32770") == 0;
}

std::vector<HWND> VisibleDialogsOf(DWORD thread)
{
    std::vector<HWND> found;
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM list) {
            if (IsWindowVisible(window) && IsDialogClass(window))
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// A message box holds its text in static 0xFFFF, an icon and buttons, nothing else; the
// program's dialogs also number their labels 0xFFFF but have edits or lists beside them.
bool IsMessageBox(HWND dialog)
{
    if (!GetDlgItem(dialog, 0xFFFF))
        return false;
    bool onlyLabelsAndButtons = true;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM result) {
            wchar_t name[32] = {};
            GetClassNameW(child, name, 32);
            if (lstrcmpiW(name, L"Static") != 0 && lstrcmpiW(name, L"Button") != 0) {
                *reinterpret_cast<bool*>(result) = false;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&onlyLabelsAndButtons));
    return onlyLabelsAndButtons;
}

std::wstring CaptionOf(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

}  // namespace

DialogScript::DialogScript(Steps steps, std::chrono::milliseconds stepTimeout)
    : testedThread_(GetCurrentThreadId()), stepTimeout_(stepTimeout),
      runner_([this, steps = std::move(steps)] { Run(steps); })
{
}

DialogScript::~DialogScript()
{
    Finish();
}

std::string DialogScript::Finish()
{
    if (runner_.joinable())
        runner_.join();
    return failure_;
}

void DialogScript::Run(const Steps& steps)
{
    try {
        steps(*this);
    } catch (const std::exception& error) {
        failure_ = error.what();
        CancelEverything();
    }
}

void DialogScript::CancelEverything()
{
    // Innermost first: a cancelled outer dialog would wait for its nested loop anyway.
    const auto deadline = std::chrono::steady_clock::now() + stepTimeout_;
    while (std::chrono::steady_clock::now() < deadline) {
        const std::vector<HWND> dialogs = VisibleDialogsOf(testedThread_);
        if (dialogs.empty())
            return;
        for (HWND dialog : dialogs)
            if (IsWindowEnabled(dialog))
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        std::this_thread::sleep_for(kPoll * 4);
    }
}

void DialogScript::Fail(const std::string& what)
{
    throw Failure(what);
}

void DialogScript::WaitUntil(const std::function<bool()>& condition, const std::string& what)
{
    const auto deadline = std::chrono::steady_clock::now() + stepTimeout_;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            Fail("timed out waiting for " + what);
        std::this_thread::sleep_for(kPoll);
    }
}

HWND DialogScript::WaitForDialog(const std::wstring& caption)
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND dialog : VisibleDialogsOf(testedThread_))
                if (CaptionOf(dialog) == caption)
                    found = dialog;
            return found != nullptr;
        },
        "the dialog \"" + Narrow(caption) + "\"");
    return found;
}

HWND DialogScript::WaitForOwnedBy(HWND owner)
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND dialog : VisibleDialogsOf(testedThread_))
                if (GetWindow(dialog, GW_OWNER) == owner)
                    found = dialog;
            return found != nullptr;
        },
        "a window owned by the dialog");
    return found;
}

HWND DialogScript::WaitForMessageBox()
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND dialog : VisibleDialogsOf(testedThread_))
                if (IsMessageBox(dialog))
                    found = dialog;
            return found != nullptr;
        },
        "a message box");
    return found;
}

void DialogScript::WaitUntilGone(HWND window)
{
    WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); },
              "a window to close");
}

LRESULT DialogScript::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL,
                             static_cast<UINT>(stepTimeout_.count()), &result))
        Fail("no answer to message " + std::to_string(message));
    return static_cast<LRESULT>(result);
}

HWND DialogScript::Control(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    if (!control)
        Fail("no control " + std::to_string(id));
    return control;
}

void DialogScript::SetText(HWND dialog, int id, const std::string& text)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(Control(dialog, id), WM_SETTEXT, 0,
                             reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL,
                             static_cast<UINT>(stepTimeout_.count()), &result))
        Fail("no answer to WM_SETTEXT");
}

std::string DialogScript::Text(HWND dialog, int id)
{
    char text[1024] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(Control(dialog, id), WM_GETTEXT, sizeof text,
                             reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                             static_cast<UINT>(stepTimeout_.count()), &length))
        Fail("no answer to WM_GETTEXT");
    return std::string(text, length);
}

std::wstring DialogScript::MessageText(HWND box)
{
    wchar_t text[1024] = {};
    Send(Control(box, 0xFFFF), WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

bool DialogScript::IsChecked(HWND dialog, int id)
{
    return Send(Control(dialog, id), BM_GETCHECK) == BST_CHECKED;
}

bool DialogScript::IsEnabled(HWND dialog, int id)
{
    return IsWindowEnabled(Control(dialog, id)) != FALSE;
}

bool DialogScript::IsVisible(HWND dialog, int id)
{
    return (GetWindowLongW(Control(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

int DialogScript::ComboSelection(HWND dialog, int id)
{
    return static_cast<int>(Send(Control(dialog, id), CB_GETCURSEL));
}

void DialogScript::Click(HWND dialog, int id)
{
    Send(Control(dialog, id), BM_CLICK);
}

void DialogScript::Press(HWND dialog, int id)
{
    PostMessageW(Control(dialog, id), BM_CLICK, 0, 0);
}

void DialogScript::Choose(HWND dialog, int comboId, int index)
{
    HWND combo = Control(dialog, comboId);
    Send(combo, CB_SETCURSEL, static_cast<WPARAM>(index));
    Send(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void DialogScript::SelectRow(HWND dialog, int listId, int row)
{
    HWND list = Control(dialog, listId);
    LVITEMW clear{};
    clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
    if (row < 0)
        return;
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
}

std::string DialogScript::RowText(HWND dialog, int listId, int row, int column)
{
    char text[1024] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    const LRESULT length = Send(Control(dialog, listId), LVM_GETITEMTEXTA,
                                static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return std::string(text, static_cast<std::size_t>(length));
}

int DialogScript::RowCount(HWND dialog, int listId)
{
    return static_cast<int>(Send(Control(dialog, listId), LVM_GETITEMCOUNT));
}

int DialogScript::SelectedRow(HWND dialog, int listId)
{
    return static_cast<int>(Send(Control(dialog, listId), LVM_GETNEXTITEM,
                                 static_cast<WPARAM>(-1), LVNI_SELECTED));
}

}  // namespace quorbel::test
