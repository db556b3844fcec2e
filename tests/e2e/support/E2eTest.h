#pragma once
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/support/Input.h"
#include "tests/e2e/support/Session.h"
#include "tests/e2e/support/WindowQueries.h"
#include "toolbar/win/FolderToolBar.h"

namespace quorbel::e2e {

// A window of another program: the test's own process is not the bar's.
struct OtherProgramWindow {
    HWND hwnd = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700, 500, 300, 200,
                                nullptr, nullptr, nullptr, nullptr);
    ~OtherProgramWindow() { DestroyWindow(hwnd); }
};

// Base fixture of the scenarios: one Session per story, torn down however it ends.
class E2eTest : public ::testing::Test {
protected:
    // The usual scene: a host, the bar's files (given with "\n" line ends), the bar started
    // and the host brought to the front, where the bar glues to it.
    void StartBar(const std::string& main, const std::string& submenus = "",
                  const std::vector<std::string>& host = {"--pos=200,150,640,420"})
    {
        host_ = &session.StartHost(host);
        session.WriteQuorbelIni(test::Crlf(main));
        if (!submenus.empty())
            session.WriteSubFolderIni(test::Crlf(submenus));
        session.StartQuorbel();
        bar_ = session.WaitForBar(20s);
        EXPECT_TRUE(BringToForeground(host_->Window()));
    }

    // A tracked menu starts with nothing highlighted: the first Down reaches item 0. Item
    // -1 dismisses the menu.
    void ChooseMenuItem(int index) const
    {
        ASSERT_TRUE(WaitUntil([] { return FindOpenMenu() != nullptr; }));
        for (int i = 0; i <= index; ++i)
            PostKey(bar_, VK_DOWN);
        PostKey(bar_, index < 0 ? VK_ESCAPE : VK_RETURN);
    }

    // The topmost dialog or message box of the bar's process, waited for until it shows.
    HWND WaitForDialog()
    {
        HWND dialog = nullptr;
        WaitUntil([&] {
            const std::vector<HWND> dialogs = DialogsOf(session.Quorbel().Id());
            return !dialogs.empty() && IsWindowVisible(dialog = dialogs.front());
        });
        return dialog;
    }

    // Asked afresh each time: a reload makes a new toolbar.
    HWND Toolbar() const { return FindWindowExA(bar_, nullptr, TOOLBARCLASSNAMEA, nullptr); }

    Session session;
    StandInHost* host_ = nullptr;
    HWND bar_ = nullptr;
};

}  // namespace quorbel::e2e
