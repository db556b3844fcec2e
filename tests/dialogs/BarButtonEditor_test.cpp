#include "dialogs/BarButtonEditor.h"

#include <gtest/gtest.h>

#include "tests/support/ProgramFolder.h"

namespace quorbel {
namespace {

// The button dialog's OK writes back what it read: a hand-made value longer than the
// buffers a value is first read with must come back whole, not cut.
TEST(BarButtonEditor, WritesLongHandMadeValuesBackWhole)
{
    test::ProgramFolder folder;
    const std::string before = "[0]\nsButtonText=a\niCommand=" + std::string(12000, '7') + "\nsFolderPath=C:\\" +
                               std::string(30000, 'p') + "\n";
    folder.WriteMain(before);
    const BarButtonEditor editor(0);
    editor.Write(editor.Read());
    EXPECT_EQ(test::ReadFileBytes(folder.MainIni()), test::Crlf(before));
}

}  // namespace
}  // namespace quorbel
