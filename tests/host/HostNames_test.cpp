#include "host/HostNames.h"

#include <gtest/gtest.h>

namespace quorbel {
namespace {

TEST(IsHostCommandLineClass, BothComboClassesInAnyCaseAndNothingElse)
{
    for (const char* name : {"TMyComboBox.UnicodeClass", "tmycombobox.unicodeclass", "TComboBox", "TCOMBOBOX"})
        EXPECT_TRUE(IsHostCommandLineClass(name)) << name;
    for (const char* name : {"ComboBox", "TComboBox2", "TComboBo", "TMyComboBox", " TComboBox", ""})
        EXPECT_FALSE(IsHostCommandLineClass(name)) << name;
    EXPECT_FALSE(IsHostCommandLineClass(std::string("TComboBox") + std::string(400, 'x')));
}

}  // namespace
}  // namespace quorbel
