#include "app/win/TrayIcon.h"

#include <gtest/gtest.h>

#include "config/MultiByteText.h"

namespace quorbel {
namespace {

TEST(TrayIcon, NotificationDataDescribesTheIconAndNumbersCountUp)
{
    TrayIcon first;
    TrayIcon second;
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
    EXPECT_GE(data.uID, 1024u);
    EXPECT_EQ(second.NotifyData().uID, data.uID + 1);
}

TEST(TrayIcon, LongTipIsCutWithoutSplittingACharacter)
{
    const LeadByteTable korean = LeadByteTable::ForCodePage(949);
    SetActiveLeadBytes(&korean);
    // 126 single bytes, then a two-byte character that would need bytes 127 and 128.
    TrayIcon tray;
    ASSERT_TRUE(tray.Create(nullptr, std::string(126, 'a') + "\xB0\xA1" + "tail", nullptr, false));
    EXPECT_EQ(std::string(tray.NotifyData().szTip), std::string(126, 'a'));
    SetActiveLeadBytes(nullptr);

    TrayIcon plain;
    ASSERT_TRUE(plain.Create(nullptr, std::string(300, 'x'), nullptr, false));
    EXPECT_EQ(std::string(plain.NotifyData().szTip), std::string(127, 'x'));
}

}  // namespace
}  // namespace quorbel
