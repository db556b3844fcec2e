#include "tests/support/win/MessageBoxWatcher.h"

namespace quorbel::test {

namespace {

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindMessageBox(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t name[16];
    if (process == search->process && IsWindowVisible(window) && GetClassNameW(window, name, 16) &&
        lstrcmpW(name, L"#32770") == 0 && GetDlgItem(window, 0xFFFF)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The text of a message box is its static control 0xFFFF.
std::wstring MessageText(HWND box)
{
    wchar_t text[1024] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 1024);
    return text;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher() : thread_([this] { Watch(); }) {}

MessageBoxWatcher::~MessageBoxWatcher()
{
    stop_ = true;
    thread_.join();
}

std::vector<std::wstring> MessageBoxWatcher::Texts() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
}

void MessageBoxWatcher::Watch()
{
    while (!stop_) {
        Search search{GetCurrentProcessId(), nullptr};
        EnumWindows(FindMessageBox, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            {
                std::lock_guard<std::mutex> lock(mutex_);
                texts_.push_back(MessageText(search.found));
            }
            // Posted, so the box's own loop handles it; then wait for it to go.
            PostMessageW(search.found, WM_COMMAND, IDOK, 0);
            for (int i = 0; i < 200 && IsWindow(search.found) && IsWindowVisible(search.found); ++i)
                Sleep(5);
        }
        Sleep(5);
    }
}

}  // namespace quorbel::test
