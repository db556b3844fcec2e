#pragma once
#include <string>
#include <vector>

namespace quorbel {

// One button of the bar, as its section of the main INI file describes it.
struct FolderButton {
    std::string caption;     // sButtonText
    std::string folderPath;  // sFolderPath
    int command = 0;         // iCommand: a host command number, 0 for a folder button
    std::string submenuKey;  // subkey: names the button's folder-menu sections
    // False for a section that was rejected at load: the bar shows a blank button for
    // it that does nothing when clicked, and the record keeps the position's place.
    bool valid = true;
};

// The buttons of the bar in button order, rebuilt by every load: record k describes the
// button at position k.
std::vector<FolderButton>& FolderButtonList();

// The path of the item last dropped on the bar, kept until the next drop.
std::string& DroppedFolderPath();

}  // namespace quorbel
