#include "config/IniPath.h"

#include <gtest/gtest.h>

#include "tests/support/CodePageScope.h"

namespace quorbel {
namespace {

const char* g_module = "";  // the executable's path as the platform reports it

std::string Module()
{
    return g_module;
}

TEST(IniPath, IsBesideTheExecutableAndSoughtAgainWhileNotFound)
{
    const test::CodePageScope japanese(932);
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\q\\Quorbel.exe", "C:\\q\\Quorbel.ini"}, {"/opt/q/Quorbel.exe", "/opt/q/Quorbel.ini"},
        {"C:\\q\\\x95\x5C.exe", "C:\\q\\Quorbel.ini"},  // 0x95 0x5C: one character
        {"Quorbel.exe", ""},
        {"", ""},
    };
    SetModuleFileNameSourceForTesting(Module);
    for (const auto& [module, path] : cases) {
        g_module = module;
        SetProgramDirectory("");
        EXPECT_EQ(IniPath("Quorbel.ini"), path) << module;
    }
    g_module = "C:\\q\\Quorbel.exe";
    EXPECT_EQ(IniPath("Quorbel.ini"), "C:\\q\\Quorbel.ini") << "the call after a failed one";
    SetModuleFileNameSourceForTesting(nullptr);
    SetProgramDirectory("");
}

}  // namespace
}  // namespace quorbel
