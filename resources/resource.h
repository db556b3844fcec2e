// Resource ids of Quorbel.rc. Included by the resource compiler too: #defines only.
#pragma once

#define IDD_ABOUT 100
#define IDS_ABOUT_ITEM 101
#define IDD_BAR 102
#define IDI_QUORBEL 128
#define IDB_FOLDER_IMAGES 131
#define IDD_FOLDER_BUTTON 132
#define IDD_ORDER 137

// Folder button settings (template 132).
#define IDC_TITLE 1000
#define IDC_COMMAND 1001
#define IDC_PATH 1002
#define IDC_COMMAND_LABEL 1003
#define IDC_BOLD 1004
#define IDC_DECORATE 1005
#define IDC_FONT_SIZE 1006
#define IDC_ITEM_HEIGHT 1007
#define IDC_CHOOSE_BACK_COLOR 1008
#define IDC_CHOOSE_TEXT_COLOR 1009
#define IDC_BACK_SWATCH 1010
#define IDC_TEXT_SWATCH 1011
#define IDC_DECORATION_GROUP 1012
#define IDC_MAKE_DEFAULT 1013
#define IDC_SEPARATOR_HINT 1014

// Order dialog (template 137).
#define IDC_ENTRY_LIST 1013
#define IDC_MOVE_UP 1014
#define IDC_MOVE_DOWN 1015
#define IDC_DELETE_ENTRY 1016
#define IDC_ENTRY_PROPERTIES 1017

#define IDC_STATIC_TEXT -1
