#pragma once
#include <set>
#include <string>

namespace quorbel {

// The bar's buttons live in "Quorbel.ini" as sections "0" .. size − 1, numbered by
// position, with the count in main/size. Adding or deleting a button moves the sections
// behind it. Sections at or beyond the count may linger from earlier deletions; they are
// never read, and a move overwrites them whole.

// A hand-edited `size` can be anything; no screen shows more buttons than this, and no
// section past it is read.
inline constexpr int kMaxButtons = 256;

// How many buttons the file stands for: main/size bounded to 0 .. kMaxButtons (a
// negative count reads as an empty bar), less the trailing sections that do not stand
// in the file at all (a count typed larger than the sections written). The load and
// every edit work on this one count, so an edit changes exactly the bar the user sees.
int ButtonCount();

// The names of the sections that stand in the main INI file now, and `ButtonCount` for
// a caller that has them already.
std::set<std::string> MainSectionNames();
int ButtonCount(const std::set<std::string>& sectionNames);

// The `subkey` of button section `position`; empty when it has none.
std::string ButtonSubmenuKey(int position);

// What an edit of the button sections came to.
enum class ButtonEdit {
    kDone,
    kNoButton,      // the position is no button of the file's count: nothing changed
    kValueTooLong,  // a section to be moved holds a value that cannot be read whole:
                    // nothing changed, rather than moving the button with its value cut
};

// Deletes the button at `position`: removes its folder entries (the entry section
// `submenuKey` of "SubFolder2.ini"; its decoration section stays), closes the gap and
// lowers the count. Every button behind it moves as an exact copy, in one write per
// section and in place: keys the destination had of its own do not survive, so a folder
// button never picks up a stale `iCommand` and becomes a command button.
ButtonEdit DeleteButton(int position, const std::string& submenuKey);

}  // namespace quorbel
