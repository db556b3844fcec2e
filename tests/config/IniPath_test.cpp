#include "config/IniPath.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/CodePageScope.h"

namespace quorbel {
namespace {

std::vector<std::string> g_modules;  // the platform's answers, one a call; the last one stays

std::string NextModule()
{
    const std::string module = g_modules.front();
    if (g_modules.size() > 1)
        g_modules.erase(g_modules.begin());
    return module;
}

TEST(IniPath, IsBesideTheExecutableAndSoughtAgainWhileNotFound)
{
    const test::CodePageScope japanese(932);
    const struct {
        std::vector<std::string> modules;
        const char *first, *second;
    } cases[] = {
        {{"C:\\q\\Quorbel.exe"}, "C:\\q\\Quorbel.ini", "C:\\q\\Quorbel.ini"},
        {{"/opt/q/Quorbel.exe"}, "/opt/q/Quorbel.ini", "/opt/q/Quorbel.ini"},
        {{"C:\\q\\\x95\x5C.exe"}, "C:\\q\\Quorbel.ini", "C:\\q\\Quorbel.ini"},  // 0x95 0x5C: one character
        {{"Quorbel.exe"}, "", ""},
        {{"", "C:\\q\\Quorbel.exe"}, "", "C:\\q\\Quorbel.ini"},
    };
    SetModuleFileNameSourceForTesting(NextModule);
    for (const auto& c : cases) {
        g_modules = c.modules;
        SetProgramDirectory("");
        EXPECT_EQ(IniPath("Quorbel.ini"), c.first) << c.modules[0];
        EXPECT_EQ(IniPath("Quorbel.ini"), c.second) << c.modules[0];
    }
    SetModuleFileNameSourceForTesting(nullptr);
    SetProgramDirectory("");
}

}  // namespace
}  // namespace quorbel
