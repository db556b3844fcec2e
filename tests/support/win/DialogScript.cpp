#include "tests/support/win/DialogScript.h"

#include <chrono>
#include <stdexcept>
#include <vector>

namespace quorbel::test {

namespace {

constexpr auto kPoll = std::chrono::milliseconds(5);
constexpr auto kStep = std::chrono::milliseconds(10000);

std::wstring TextOf(HWND window)
{
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

BOOL CALLBACK CollectVisibleDialog(HWND window, LPARAM list)
{
    wchar_t name[16] = {};
    if (IsWindowVisible(window) && GetClassNameW(window, name, 16) && lstrcmpW(name, L"#32770") == 0)
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> VisibleDialogsOf(DWORD thread)
{
    std::vector<HWND> found;
    EnumThreadWindows(thread, CollectVisibleDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

DialogScript::DialogScript(Steps steps)
    : testedThread_(GetCurrentThreadId()), runner_([this, steps = std::move(steps)] {
          try {
              steps(*this);
          } catch (const std::exception& error) {
              failure_ = error.what();
              // Innermost first: a cancelled outer dialog would wait for its nested loop.
              // A tracked popup menu is no dialog, but its loop holds the run just the same.
              const auto deadline = std::chrono::steady_clock::now() + kStep;
              while (std::chrono::steady_clock::now() < deadline) {
                  const std::vector<HWND> dialogs = VisibleDialogsOf(testedThread_);
                  const HWND menu = FindWindowW(L"#32768", nullptr);
                  const bool menuOpen = menu && IsWindowVisible(menu) &&
                                        GetWindowThreadProcessId(menu, nullptr) == testedThread_;
                  if (dialogs.empty() && !menuOpen)
                      break;
                  if (menuOpen)
                      PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
                  for (HWND dialog : dialogs)
                      if (IsWindowEnabled(dialog))
                          PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                  std::this_thread::sleep_for(kPoll * 4);
              }
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

HWND DialogScript::WaitForDialog(const std::wstring& caption, HWND owner)
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND dialog : VisibleDialogsOf(testedThread_))
                if (owner ? GetWindow(dialog, GW_OWNER) == owner : TextOf(dialog) == caption)
                    found = dialog;
            return found != nullptr;
        },
        "a dialog \"" + std::string(caption.begin(), caption.end()) + "\"");
    return found;
}

void DialogScript::WaitUntilGone(HWND window)
{
    WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, "a window to close");
}

// Outside a running application a message box is captioned with the program's name.
std::wstring DialogScript::AnswerMessageBox()
{
    const HWND box = WaitForDialog(L"Quorbel");
    const std::wstring text = TextOf(GetDlgItem(box, 0xFFFF));
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

std::string DialogScript::Text(HWND dialog, int id)
{
    char text[1024] = {};
    const LRESULT length = Send(GetDlgItem(dialog, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), true);
    return std::string(text, static_cast<std::size_t>(length));
}

}  // namespace quorbel::test
