#include "menus/FolderMenuActions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/MemoryProfile.h"

namespace quorbel {
namespace {

using Kind = FolderMenuChoice::Kind;

class RecordedActions : public FolderMenuActions {
public:
    void ChangeDirectory(const std::string& path) override { calls.push_back("cd " + path); }
    void ReloadButtons() override { calls.push_back("reload"); }
    void OpenOrderDialog(const std::string& submenuKey) override { calls.push_back("order " + submenuKey); }

    std::vector<std::string> calls;
};

const char kFile[] = "[K]\n5=five|C:\\5\n05=oh five|C:\\05\nx=odd|C:\\x\n0=zero|C:\\0\n[KE]\n05=1\n";

struct ActCase {
    Kind kind;
    const char* key;
    bool ctrl;
    std::vector<std::string> calls;
    const char* file;  // the submenu file afterwards
};

class ActOnChoiceTest : public testing::TestWithParam<ActCase> {};

TEST_P(ActOnChoiceTest, DoesWhatTheChoiceAndCtrlAskFor)
{
    test::MemoryProfileScope files;
    files.SetSubmenu(kFile);
    FolderMenuChoice choice;
    choice.kind = GetParam().kind;
    choice.key = GetParam().key;
    choice.path = "P:\\ath";
    RecordedActions actions;
    ActOnFolderMenuChoice(choice, GetParam().ctrl, "K", actions);
    EXPECT_EQ(actions.calls, GetParam().calls);
    EXPECT_EQ(files.Submenu(), GetParam().file);
}

// A Ctrl-removal names the key as the file spells it: "05" and "x" are not "5" and "0".
INSTANTIATE_TEST_SUITE_P(
    Choices, ActOnChoiceTest,
    testing::Values(
        ActCase{Kind::Nothing, "", false, {}, kFile},
        ActCase{Kind::Nothing, "", true, {}, kFile},
        ActCase{Kind::Manage, "", false, {"order K"}, kFile},
        ActCase{Kind::Manage, "", true, {"order K"}, kFile},
        ActCase{Kind::Entry, "05", false, {"cd P:\\ath"}, kFile},
        ActCase{Kind::Entry, "05", true, {"reload"},
                "[K]\n5=five|C:\\5\n05=\nx=odd|C:\\x\n0=zero|C:\\0\n[KE]\n05=1\n"},
        ActCase{Kind::Entry, "x", true, {"reload"},
                "[K]\n5=five|C:\\5\n05=oh five|C:\\05\nx=\n0=zero|C:\\0\n[KE]\n05=1\n"}));

}  // namespace
}  // namespace quorbel
