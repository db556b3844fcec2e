#include "dialogs/BarButtonEditor.h"

#include <gtest/gtest.h>

#include "config/IniSection.h"
#include "tests/support/MemoryProfile.h"

namespace quorbel {
namespace {

TEST(BarButtonEditor, CarriesTheCommandNumberThroughAsText)
{
    test::MemoryProfileScope files;
    const std::string before = "[2]\nsButtonText=cmd\niCommand=-0042x\nsFolderPath=\nsubkey=K\n";
    files.SetMain(before);
    const BarButtonEditor editor(2);
    EXPECT_EQ(editor.Read().command, "-0042x");
    editor.Write(editor.Read());
    EXPECT_EQ(files.Main(), before);
}

TEST(BarButtonEditor, WritesTextCommandAndPathInThatOrder)
{
    test::MemoryProfileScope files;
    files.SetMain("[0]\nsubkey=K0\n");
    const BarButtonEditor editor(0);
    const BarButtonFields fields = editor.Read();  // iCommand absent: empty text
    editor.Write({"work", fields.command, "D:\\work"});
    EXPECT_EQ(files.Main(), "[0]\nsubkey=K0\nsButtonText=work\niCommand=\nsFolderPath=D:\\work\n");
    EXPECT_EQ(IniSection("0", files.MainPath()).ReadInt("iCommand", 99), 0);
}

}  // namespace
}  // namespace quorbel
