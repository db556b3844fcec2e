#pragma once

namespace quorbel {

// The two files beside the executable, and the one section every setting lives in.
inline constexpr char kMainIniFile[] = "Quorbel.ini";
inline constexpr char kSubmenuIniFile[] = "SubFolder2.ini";
inline constexpr char kMainSection[] = "main";

// Keys of section "main".
namespace key {
inline constexpr char kSize[] = "size";
inline constexpr char kX[] = "x";
inline constexpr char kY[] = "y";
inline constexpr char kGlue[] = "bGlue";
inline constexpr char kGlueX[] = "iGlueX";
inline constexpr char kGlueY[] = "iGlueY";
inline constexpr char kTray[] = "bTray";
inline constexpr char kDefaultDecoration[] = "default";
inline constexpr char kMenuHotkey[] = "sMenuHotkey";

// Keys of a button section.
inline constexpr char kButtonText[] = "sButtonText";
inline constexpr char kFolderPath[] = "sFolderPath";
inline constexpr char kCommand[] = "iCommand";
inline constexpr char kSubmenuKey[] = "subkey";
}  // namespace key

// Defaults of the settings when their key is absent.
inline constexpr int kDefaultBarX = 100;
inline constexpr int kDefaultBarY = 100;
inline constexpr int kDefaultGlue = 1;
inline constexpr int kDefaultGlueX = 100;
inline constexpr int kDefaultGlueY = 100;
inline constexpr int kDefaultTray = 1;

// The section holding the decorations of a submenu: its key followed by "E".
inline constexpr char kDecorationSuffix[] = "E";

}  // namespace quorbel
