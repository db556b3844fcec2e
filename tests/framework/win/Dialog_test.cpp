#include "framework/Dialog.h"

#include <gtest/gtest.h>

#include <functional>

#include "resources/resource.h"
#include "tests/support/win/TestWindow.h"

namespace fw {
namespace {

// The About template is the smallest dialog the program has; these tests only need a
// template with an OK button.
class ScriptedDialog : public Dialog {
public:
    ScriptedDialog(HWND parent, std::function<void(ScriptedDialog&)> onInit)
        : Dialog(IDD_ABOUT, parent), onInit_(std::move(onInit))
    {
    }

    int preTranslated = 0;
    bool ownerEnabledWhileRunning = true;
    bool cancelled = false;

protected:
    BOOL OnInitDialog() override
    {
        if (GetParent(hwnd()))
            ownerEnabledWhileRunning = IsWindowEnabled(GetParent(hwnd())) != FALSE;
        onInit_(*this);
        return TRUE;
    }
    void OnCancel() override { cancelled = true; }
    bool PreTranslateMessage(MSG& message) override
    {
        if (message.message == WM_APP)
            ++preTranslated;
        return message.message == WM_APP;
    }

private:
    std::function<void(ScriptedDialog&)> onInit_;
};

TEST(Dialog, OkEndsTheModalRunWithIdok)
{
    ScriptedDialog dialog(nullptr, [](ScriptedDialog& d) { PostMessageW(d.hwnd(), WM_COMMAND, IDOK, 0); });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.hwnd(), nullptr) << "the window is gone after the run";
}

TEST(Dialog, OverriddenCancelKeepsItOpen)
{
    ScriptedDialog dialog(nullptr, [](ScriptedDialog& d) {
        PostMessageW(d.hwnd(), WM_COMMAND, IDCANCEL, 0);
        PostMessageW(d.hwnd(), WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.cancelled);
}

TEST(Dialog, EveryMessageIsOfferedToPreTranslateFirst)
{
    ScriptedDialog dialog(nullptr, [](ScriptedDialog& d) {
        PostMessageW(d.hwnd(), WM_APP, 0, 0);
        PostMessageW(d.hwnd(), WM_APP, 0, 0);
        PostMessageW(d.hwnd(), WM_COMMAND, IDOK, 0);
    });
    dialog.DoModal();
    EXPECT_EQ(dialog.preTranslated, 2);
}

TEST(Dialog, QuitMessageEndsTheRunAndReachesOuterLoops)
{
    ScriptedDialog dialog(nullptr, [](ScriptedDialog&) { PostQuitMessage(3); });
    EXPECT_EQ(dialog.DoModal(), -1);
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 3u);
}

TEST(Dialog, OwnerIsDisabledWhileTheDialogRunsAndEnabledAfter)
{
    quorbel::test::TestWindow owner;
    ScriptedDialog dialog(owner.hwnd(), [](ScriptedDialog& d) { PostMessageW(d.hwnd(), WM_COMMAND, IDOK, 0); });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_FALSE(dialog.ownerEnabledWhileRunning);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
}

TEST(Dialog, MissingTemplateFailsWithMinusOne)
{
    class Missing : public Dialog {
    public:
        Missing() : Dialog(31999, nullptr) {}
    } missing;
    EXPECT_EQ(missing.DoModal(), -1);
}

}  // namespace
}  // namespace fw
