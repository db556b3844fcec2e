#include "host/HostNames.h"

#include <gtest/gtest.h>

namespace quorbel {
namespace {

TEST(IsHostCommandLineClass, AcceptsBothComboClassesInAnyCase)
{
    for (const char* name : {"TMyComboBox.UnicodeClass", "tmycombobox.unicodeclass", "TMYCOMBOBOX.UNICODECLASS",
                             "TComboBox", "tcombobox", "TCOMBOBOX"})
        EXPECT_TRUE(IsHostCommandLineClass(name)) << name;
}

TEST(IsHostCommandLineClass, RejectsOtherClasses)
{
    for (const char* name : {"ComboBox", "TComboBox2", "TComboBo", "TMyComboBox", "TMyComboBox.UnicodeClassX",
                             "Edit", "", " TComboBox"})
        EXPECT_FALSE(IsHostCommandLineClass(name)) << name;
    // A long class name is compared as far as a class-name buffer holds it.
    EXPECT_FALSE(IsHostCommandLineClass(std::string("TComboBox") + std::string(400, 'x')));
}

TEST(DirectoryChangeText, TypesThePathUnquotedAndUnchanged)
{
    EXPECT_EQ(DirectoryChangeText("C:\\Program Files"), "cd C:\\Program Files");
    EXPECT_EQ(DirectoryChangeText(""), "cd ");
    EXPECT_EQ(DirectoryChangeText("D:\\\x95\x5C\\x"), "cd D:\\\x95\x5C\\x");
}

}  // namespace
}  // namespace quorbel
