#include "dialogs/BarButtonEditor.h"

#include <gtest/gtest.h>

#include "config/IniSection.h"
#include "tests/support/MemoryProfile.h"
#include "tests/support/TestFiles.h"

namespace quorbel {
namespace {

TEST(BarButtonEditor, ReadsTheButtonsSection)
{
    test::MemoryProfileScope files;
    files.SetMain("[1]\nsButtonText=tools\nsFolderPath=C:\\tools\niCommand=2019\nsubkey=K1\n");
    const BarButtonFields fields = BarButtonEditor(1).Read();
    EXPECT_EQ(fields.text, "tools");
    EXPECT_EQ(fields.command, "2019");
    EXPECT_EQ(fields.folderPath, "C:\\tools");

    const BarButtonFields none = BarButtonEditor(7).Read();
    EXPECT_EQ(none.text, "");
    EXPECT_EQ(none.command, "");
    EXPECT_EQ(none.folderPath, "");
}

TEST(BarButtonEditor, WritesTextCommandAndPathInThatOrder)
{
    test::MemoryProfileScope files;
    files.SetMain("[0]\nsubkey=K0\n");
    files.Store().ClearWrites();
    BarButtonEditor(0).Write({"work", "", "D:\\work"});

    const auto& writes = files.Store().Writes();
    ASSERT_EQ(writes.size(), 3u);
    EXPECT_EQ(writes[0].key, "sButtonText");
    EXPECT_EQ(writes[1].key, "iCommand");
    EXPECT_EQ(writes[2].key, "sFolderPath");
    EXPECT_EQ(files.Main(),
              test::Crlf("[0]\nsubkey=K0\nsButtonText=work\niCommand=\nsFolderPath=D:\\work\n"));
    EXPECT_EQ(IniSection("0", files.MainPath()).ReadInt("iCommand", 99), 0);
}

TEST(BarButtonEditor, CommandNumberTravelsBackUnchanged)
{
    test::MemoryProfileScope files;
    const std::string before =
        "[2]\nsButtonText=cmd\niCommand=-0042x\nsFolderPath=\nsubkey=K2\n";
    files.SetMain(before);
    const BarButtonEditor editor(2);
    editor.Write(editor.Read());
    EXPECT_EQ(files.Main(), test::Crlf(before));
}

}  // namespace
}  // namespace quorbel
