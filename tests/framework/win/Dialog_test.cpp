#include "framework/Dialog.h"

#include <gtest/gtest.h>

#include <functional>

#include "resources/resource.h"
#include "tests/support/win/TestWindow.h"

namespace fw {
namespace {

// On the About template, the smallest the program has.
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

// Cancel is overridden to do nothing: only the OK behind it ends the run.
TEST(Dialog, ModalRunDisablesTheOwnerOffersMessagesToPreTranslateAndEndsOnOk)
{
    quorbel::test::TestWindow owner;
    ScriptedDialog dialog(owner.hwnd(), [](ScriptedDialog& d) {
        PostMessageW(d.hwnd(), WM_APP, 0, 0);
        PostMessageW(d.hwnd(), WM_APP, 0, 0);
        PostMessageW(d.hwnd(), WM_COMMAND, IDCANCEL, 0);
        PostMessageW(d.hwnd(), WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.cancelled);
    EXPECT_EQ(dialog.preTranslated, 2);
    EXPECT_FALSE(dialog.ownerEnabledWhileRunning);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
    EXPECT_EQ(dialog.hwnd(), nullptr) << "the window is gone after the run";
}

TEST(Dialog, QuitOrAMissingTemplateEndsTheRunWithMinusOne)
{
    ScriptedDialog dialog(nullptr, [](ScriptedDialog&) { PostQuitMessage(3); });
    EXPECT_EQ(dialog.DoModal(), -1);
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit reaches outer loops";
    EXPECT_EQ(message.wParam, 3u);

    class Missing : public Dialog {
    public:
        Missing() : Dialog(31999, nullptr) {}
    } missing;
    EXPECT_EQ(missing.DoModal(), -1);
}

}  // namespace
}  // namespace fw
