#pragma once
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/support/Input.h"
#include "tests/e2e/support/Screenshot.h"
#include "tests/e2e/support/Session.h"
#include "tests/e2e/support/WindowQueries.h"

namespace quorbel::e2e {

// Base fixture of the scenarios, and all they need: a fresh Session per test, torn down
// however the test ends.
class E2eTest : public ::testing::Test {
protected:
    // The usual scene: a host, the bar's files (given with "\n" line ends), the bar started
    // and the host brought to the front, where the bar glues to it.
    HWND StartBar(const std::string& main, const std::string& submenus = "",
                  const RECT& hostRect = RECT{200, 150, 640, 420})
    {
        HostOptions options;
        options.rect = hostRect;
        host_ = &session.StartHost(options);
        session.WriteQuorbelIni(test::Crlf(main));
        if (!submenus.empty())
            session.WriteSubFolderIni(test::Crlf(submenus));
        session.StartQuorbel();
        bar_ = session.WaitForBar(20s);
        EXPECT_TRUE(BringToForeground(host_->Window())) << "in front: " << ForegroundClassName();
        return bar_;
    }

    // Saves the whole screen as <screenshots>\<suite>.<test>\<name>.bmp.
    void SaveScreenshot(const std::string& name) const
    {
        Screenshot::OfScreen().SaveUnder(CurrentTestFolderName(), name);
    }

    Session session;
    StandInHost* host_ = nullptr;
    HWND bar_ = nullptr;
};

}  // namespace quorbel::e2e
