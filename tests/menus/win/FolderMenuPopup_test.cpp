#include "menus/win/FolderMenuPopup.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "menus/FolderMenu.h"

namespace quorbel {
namespace {

// What this thread writes to the debugger output. OutputDebugString raises
// DBG_PRINTEXCEPTION_C with the length (terminator included) and the text; a vectored
// handler reads them and lets the search go on.
class DebugOutput {
public:
    DebugOutput() : handler_(AddVectoredExceptionHandler(1, &Catch)) { active_ = &lines; }
    ~DebugOutput()
    {
        RemoveVectoredExceptionHandler(handler_);
        active_ = nullptr;
    }

    std::vector<std::string> lines;

private:
    static LONG CALLBACK Catch(EXCEPTION_POINTERS* pointers)
    {
        const EXCEPTION_RECORD& r = *pointers->ExceptionRecord;
        if (r.ExceptionCode == DBG_PRINTEXCEPTION_C && active_ && r.NumberParameters >= 2 && r.ExceptionInformation[0])
            active_->emplace_back(reinterpret_cast<const char*>(r.ExceptionInformation[1]), r.ExceptionInformation[0] - 1);
        return EXCEPTION_CONTINUE_SEARCH;
    }

    static inline std::vector<std::string>* active_ = nullptr;
    PVOID handler_;
};

// Opening, tracking and choosing are the end-to-end scenarios' (folder_menu_test).
TEST(FolderPopup, RowsAreOwnerDrawnSeparatorsCarryIdZeroAndDecorationsAreTraced)
{
    // x at key 5, a separator at key 2, y at key 0 (20 pt), in that order in the file.
    const FolderMenu menu{SubmenuEntries{
        {"5", "2", "0"}, {"x|C:\\x", "-|ignored", "y|C:\\y"}, {"0|-1|-1|-1|-1", "", "1|20|-1|-1|255"}}};
    DebugOutput trace;
    const fw::Menu popup = BuildFolderPopup(menu);
    // Each entry's stored decoration as it stands, without a line end; none for the
    // management row.
    EXPECT_EQ(trace.lines, (std::vector<std::string>{"0|-1|-1|-1|-1", "", "1|20|-1|-1|255"}));
    ASSERT_EQ(GetMenuItemCount(popup.get()), 4);
    const std::pair<UINT, UINT> expected[] = {
        {1, MFT_OWNERDRAW}, {0, MFT_SEPARATOR | MFT_OWNERDRAW}, {3, MFT_OWNERDRAW}, {1000, MFT_OWNERDRAW}};
    for (int i = 0; i < 4; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_SUBMENU;
        ASSERT_TRUE(GetMenuItemInfoW(popup.get(), i, TRUE, &info));
        EXPECT_EQ(std::make_pair(info.wID, info.fType), expected[i]) << i;
        EXPECT_EQ(info.hSubMenu, nullptr) << "one level only";
    }
}

}  // namespace
}  // namespace quorbel
