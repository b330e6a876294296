// The numbers that tie the resource script to the program: resources, control ids and commands.
// Read by the resource compiler too, so only #define lines.
#pragma once

// Resources.
#define IDR_MAIN_MENU 101
#define IDI_PROGRAM 103
#define IDI_OCCUPIED 112
#define IDR_ACCELERATORS 120

// The main window's controls.
#define ID_REFERENCE_TREE 0
#define ID_EDITED_LIST 1
#define ID_STATUS_STRIP 2
#define ID_ADD 3
#define ID_REPLACE 4
#define ID_DELETE 5
#define ID_CATEGORY_BOX 6
#define ID_FILTER_FIELD 7
#define ID_PREVIEW_PANE 8

// Menu commands.
#define CMD_SAVE_WAD 40002
#define CMD_EXIT 40003
#define CMD_ONLINE_HELP 40004
#define CMD_ABOUT 40005
#define CMD_LOAD_REFERENCE 40006
#define CMD_NEW_WAD 40007
#define CMD_SAVE_WAD_AS 40010
#define CMD_OPEN_WAD 40011
#define CMD_EXTRACT_TEXTURE 40012
#define CMD_SAVE_TEXTURE_TEMPLATE 40014
#define CMD_LOAD_TEXTURE_TEMPLATE 40015
#define CMD_CONFIRM_DELETIONS 40017
#define CMD_SAVE_SCRIPT 40020
#define CMD_CHECK_WAD 40021
#define CMD_LOAD_SCRIPT 40022
#define CMD_BUILD_FROM_SCRIPT 40023
#define CMD_CONFIRM_OVERWRITING 40024
#define CMD_DECOMPILE 40030
#define CMD_DUMP_LEVEL 40040
#define CMD_DUMP_OBJECT 40041
#define CMD_DUMP_WAD 40042
#define CMD_GENERATE_DEPENDENCIES 40043
#define CMD_GENERATE_LISTING 40044
#define CMD_DUMP_PROJECT 40045
#define CMD_FIND 40050  // Ctrl+F: to the filter field above the tree

// The menu bar's position of the Debug menu, which the window removes when it opens.
#define DEBUG_MENU_POSITION 5
