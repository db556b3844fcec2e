#include "app/win/TrayIcon.h"

#include <gtest/gtest.h>

#include <vector>

#include "config/MultiByteText.h"

namespace quorbel {
namespace {

struct RecordingOwner : TrayOwner {
    std::vector<std::pair<WPARAM, LPARAM>> calls;
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam) override
    {
        calls.emplace_back(wParam, lParam);
        return 7;
    }
};

TEST(TrayIcon, NotificationDataDescribesTheIcon)
{
    RecordingOwner owner;
    BarTrayIcon first(owner);
    BarTrayIcon second(owner);
    HICON icon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));
    ASSERT_TRUE(first.Create(nullptr, "Quorbel 1.8", icon, false));
    ASSERT_TRUE(second.Create(nullptr, "Quorbel 1.8", icon, false));

    const NOTIFYICONDATAA& data = first.NotifyData();
    EXPECT_EQ(data.cbSize, NOTIFYICONDATAA_V2_SIZE);
#ifndef _WIN64
    EXPECT_EQ(data.cbSize, 488u);
#endif
    EXPECT_EQ(data.hWnd, first.hwnd());
    EXPECT_NE(data.hWnd, nullptr);
    EXPECT_EQ(data.uFlags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(data.uCallbackMessage, 0x800u);
    EXPECT_EQ(data.hIcon, icon);
    EXPECT_STREQ(data.szTip, "Quorbel 1.8");
    // Icon numbers count up from 1024, one per icon made.
    EXPECT_GE(data.uID, TrayIcon::kFirstIconNumber);
    EXPECT_EQ(second.NotifyData().uID, data.uID + 1);
}

TEST(TrayIcon, NotificationsReachTheOwner)
{
    RecordingOwner owner;
    BarTrayIcon tray(owner);
    ASSERT_TRUE(tray.Create(nullptr, "tip", nullptr, false));
    EXPECT_EQ(SendMessageW(tray.hwnd(), 0x800, tray.NotifyData().uID, WM_RBUTTONUP), 7);
    EXPECT_EQ(SendMessageW(tray.hwnd(), 0x800, tray.NotifyData().uID, WM_MOUSEMOVE), 7);
    ASSERT_EQ(owner.calls.size(), 2u);
    EXPECT_EQ(owner.calls[0].second, WM_RBUTTONUP);
    EXPECT_EQ(owner.calls[1].second, WM_MOUSEMOVE);
}

TEST(TrayIcon, LongTipIsCutWithoutSplittingACharacter)
{
    const LeadByteTable korean = LeadByteTable::ForCodePage(949);
    SetActiveLeadBytes(&korean);
    // 126 single bytes, then a two-byte character that would need bytes 127 and 128.
    const std::string tip = std::string(126, 'a') + "\xB0\xA1" + "tail";
    TrayIcon tray;
    ASSERT_TRUE(tray.Create(nullptr, tip, nullptr, false));
    EXPECT_EQ(std::string(tray.NotifyData().szTip), std::string(126, 'a'));
    SetActiveLeadBytes(nullptr);

    TrayIcon plain;
    ASSERT_TRUE(plain.Create(nullptr, std::string(300, 'x'), nullptr, false));
    EXPECT_EQ(std::string(plain.NotifyData().szTip), std::string(127, 'x'));
}

}  // namespace
}  // namespace quorbel
