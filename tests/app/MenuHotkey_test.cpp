#include "app/MenuHotkey.h"

#include <gtest/gtest.h>

namespace quorbel {
namespace {

using namespace hotkey_modifier;

TEST(MenuHotkey, ModifiersNamedOnceThenOneKeyAndLettersNeedCtrlAltOrWin)
{
    const struct {
        const char* text;
        unsigned modifiers, key;  // key 0: no combination
    } cases[] = {
        {"Ctrl+Alt+Q", kControl | kAlt, 'Q'}, {" ctrl +aLT+ q ", kControl | kAlt, 'Q'}, {"Win+7", kWin, '7'},
        {"Shift+Ctrl+0", kShift | kControl, '0'}, {"F1", 0, 0x70}, {"shift+f24", kShift, 0x87},
        {"Alt+F9", kAlt, 0x78}, {"Ctrl+F", kControl, 'F'}, {"Ctrl+Z", kControl, 'Z'}, {"Q", 0, 0}, {"Shift+Q", 0, 0},
        {"F25", 0, 0}, {"F0", 0, 0}, {"Ctrl+F01", 0, 0}, {"Ctrl+Ctrl+Q", 0, 0}, {"Ctrl+Q+W", 0, 0}, {"Q+Ctrl", 0, 0},
        {"Ctrl+Alt", 0, 0}, {"Ctrl++Q", 0, 0}, {"Control+Q", 0, 0}, {"Ctrl+Del", 0, 0}, {"Ctrl+\xB0\xA1", 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseMenuHotkey(c.text), c.key ? std::optional<MenuHotkey>({c.modifiers, c.key}) : std::nullopt)
            << c.text;
}

TEST(MenuHotkey, TriedOncePerShowingAndReportedOncePerText)
{
    MenuHotkeyAttempts attempts;
    EXPECT_TRUE(attempts.Try("F5") && attempts.ReportFailure());
    EXPECT_FALSE(attempts.Try("F5")) << "the next tick";
    attempts.Hidden();
    EXPECT_TRUE(attempts.Try("F5") && !attempts.ReportFailure());
    EXPECT_TRUE(attempts.Try("F6") && attempts.ReportFailure());
    EXPECT_TRUE(attempts.Try("F5") && attempts.ReportFailure()) << "another text came between";
}

}  // namespace
}  // namespace quorbel
