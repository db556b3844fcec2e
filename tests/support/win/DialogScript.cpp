#include "tests/support/win/DialogScript.h"

#include <stdexcept>
#include <vector>

namespace quorbel::test {

namespace {

constexpr auto kPoll = std::chrono::milliseconds(5);
constexpr auto kStep = std::chrono::milliseconds(10000);

bool HasClass(HWND window, const wchar_t* name)
{
    wchar_t found[32] = {};
    return GetClassNameW(window, found, 32) && lstrcmpiW(found, name) == 0;
}

BOOL CALLBACK CollectVisibleDialog(HWND window, LPARAM list)
{
    if (IsWindowVisible(window) && HasClass(window, L"#32770"))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> VisibleDialogsOf(DWORD thread)
{
    std::vector<HWND> found;
    EnumThreadWindows(thread, CollectVisibleDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

// A message box holds its text in static 0xFFFF, an icon and buttons, nothing else; the
// program's dialogs also number their labels 0xFFFF but have edits or lists beside them.
bool IsMessageBox(HWND dialog)
{
    if (!GetDlgItem(dialog, 0xFFFF))
        return false;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (!HasClass(child, L"Static") && !HasClass(child, L"Button"))
            return false;
    return true;
}

std::wstring TextOf(HWND window)
{
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

}  // namespace

DialogScript::DialogScript(Steps steps)
    : testedThread_(GetCurrentThreadId()), runner_([this, steps = std::move(steps)] {
          try {
              steps(*this);
          } catch (const std::exception& error) {
              failure_ = error.what();
              CancelEverything();
          }
      })
{
}

std::string DialogScript::Finish()
{
    if (runner_.joinable())
        runner_.join();
    return failure_;
}

void DialogScript::CancelEverything()
{
    // Innermost first: a cancelled outer dialog would wait for its nested loop anyway.
    const auto deadline = std::chrono::steady_clock::now() + kStep;
    while (std::chrono::steady_clock::now() < deadline) {
        const std::vector<HWND> dialogs = VisibleDialogsOf(testedThread_);
        // A tracked popup menu is no dialog, but its loop holds the run just the same.
        const HWND menu = FindWindowW(L"#32768", nullptr);
        const bool menuOpen = menu && IsWindowVisible(menu) &&
                              GetWindowThreadProcessId(menu, nullptr) == testedThread_;
        if (dialogs.empty() && !menuOpen)
            return;
        if (menuOpen)
            PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        for (HWND dialog : dialogs)
            if (IsWindowEnabled(dialog))
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        std::this_thread::sleep_for(kPoll * 4);
    }
}

void DialogScript::Fail(const std::string& what)
{
    throw std::runtime_error(what);
}

void DialogScript::WaitUntil(const std::function<bool()>& condition, const std::string& what)
{
    const auto deadline = std::chrono::steady_clock::now() + kStep;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            Fail("timed out waiting for " + what);
        std::this_thread::sleep_for(kPoll);
    }
}

HWND DialogScript::WaitForVisibleDialog(const std::function<bool(HWND)>& wanted, const std::string& what)
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND dialog : VisibleDialogsOf(testedThread_))
                if (wanted(dialog))
                    found = dialog;
            return found != nullptr;
        },
        what);
    return found;
}

HWND DialogScript::WaitForDialog(const std::wstring& caption)
{
    return WaitForVisibleDialog([&](HWND dialog) { return TextOf(dialog) == caption; },
                                "the dialog \"" + std::string(caption.begin(), caption.end()) + "\"");
}

HWND DialogScript::WaitForOwnedBy(HWND owner)
{
    return WaitForVisibleDialog([&](HWND dialog) { return GetWindow(dialog, GW_OWNER) == owner; },
                                "a window owned by the dialog");
}

void DialogScript::WaitUntilGone(HWND window)
{
    WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, "a window to close");
}

std::wstring DialogScript::AnswerMessageBox()
{
    const HWND box = WaitForVisibleDialog(IsMessageBox, "a message box");
    const std::wstring text = TextOf(Control(box, 0xFFFF));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    WaitUntilGone(box);
    return text;
}

LRESULT DialogScript::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool ansi)
{
    DWORD_PTR result = 0;
    const auto send = ansi ? SendMessageTimeoutA : SendMessageTimeoutW;
    if (!send(window, message, wParam, lParam, SMTO_NORMAL, static_cast<UINT>(kStep.count()), &result))
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

std::string DialogScript::Text(HWND dialog, int id)
{
    char text[1024] = {};
    const LRESULT length = Send(Control(dialog, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), true);
    return std::string(text, static_cast<std::size_t>(length));
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
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    if (row >= 0)
        Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
}

std::string DialogScript::RowText(HWND dialog, int listId, int row, int column)
{
    char text[1024] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    const LRESULT length = Send(Control(dialog, listId), LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                                reinterpret_cast<LPARAM>(&item));
    return std::string(text, static_cast<std::size_t>(length));
}

}  // namespace quorbel::test
