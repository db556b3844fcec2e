#include <gtest/gtest.h>

#include "config/IniPath.h"

namespace quorbel {
namespace {

class IniPathTest : public ::testing::Test {
protected:
    ~IniPathTest() override { SetProgramDirectory(""); }
};

TEST_F(IniPathTest, JoinsTheProgramDirectoryAndTheFileNameWithTheDirectorysSeparator)
{
    SetProgramDirectory("C:\\Tools\\Quorbel");
    EXPECT_EQ(IniPath("Quorbel.ini"), "C:\\Tools\\Quorbel\\Quorbel.ini");
    EXPECT_EQ(IniPath(nullptr), "C:\\Tools\\Quorbel");
    SetProgramDirectory("/opt/quorbel");
    EXPECT_EQ(IniPath("SubFolder2.ini"), "/opt/quorbel/SubFolder2.ini");
}

TEST_F(IniPathTest, FindsTheDirectoryOfTheExecutableAgainWhenCleared)
{
    SetProgramDirectory("C:\\elsewhere");
    SetProgramDirectory("");
    const std::string module = ModuleFileName();
    ASSERT_FALSE(module.empty());
    const std::string directory = IniPath(nullptr);
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(module.compare(0, directory.size(), directory), 0) << module;
    const std::string rest = module.substr(directory.size() + 1);
    EXPECT_EQ(rest.find_first_of("\\/"), std::string::npos) << module;
    EXPECT_EQ(IniPath("Quorbel.ini"), directory + module[directory.size()] + "Quorbel.ini");
}

}  // namespace
}  // namespace quorbel
