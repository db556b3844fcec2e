#pragma once
#include <functional>
#include <string>
#include <vector>

#include "toolbar/ButtonSections.h"
#include "toolbar/FolderButton.h"

namespace quorbel {

// Command ids of the toolbar buttons: button n carries 100 + n; the bar acts on 100 to
// 200, so buttons past position 100 show but do nothing on a left click. The hint
// button of an empty bar carries 99, outside that range.
inline constexpr int kFirstButtonCommand = 100;
inline constexpr int kLastButtonCommand = 200;
inline constexpr int kHintButtonCommand = 99;

// Images of the strip: a button without folder-menu entries, and one with entries (the
// hint button of an empty bar uses the latter too).
inline constexpr int kImageNoEntries = 0;
inline constexpr int kImageWithEntries = 1;

// What one toolbar position shows.
struct ButtonFace {
    int commandId = 0;
    int image = kImageNoEntries;
    std::string caption;
    bool blank = true;  // a rejected section: no caption, command id 0, image 0
};

struct ButtonLoad {
    bool hint = false;  // the bar is empty: it shows the one hint button
    std::vector<ButtonFace> faces;       // one per position
    std::vector<FolderButton> records;   // one per position, in step with `faces`
};

// Reads `size` and every button section of the main INI file. A section without a
// SubmenuKey gets a new one, written at once (also a section that is then rejected).
// `reportInvalid` is called once for every section with neither a command number nor a
// folder path, at the moment it is met. The buttons are those of `ButtonCount`; nothing
// is written into a section that does not exist.
ButtonLoad LoadButtonModel(const std::function<void()>& reportInvalid);

}  // namespace quorbel
