// The menu bar: set up as the window opens, its commands, and the ones greyed while they have
// nothing to act on.
#include "decompiler/decompile_command.h"
#include "editing/edited_wad_commands.h"
#include "editing/reference_commands.h"
#include "editing/save_wad.h"
#include "editing/session.h"
#include "editing/wad_commands.h"
#include "framework/manual.h"
#include "save/wad_check.h"
#include "script/build_script.h"
#include "script/script_writer.h"
#include "shell/win32/dialogs/about_box.h"
#include "shell/win32/dialogs/program_directory.h"
#include "shell/win32/main_window.h"
#include "shell/win32/resource_ids.h"
#include "texture/extract_command.h"

namespace kavrin::win32 {

namespace {

// Load Script and Build Wad from Script start from an empty edited WAD.
void runScript(MainWindow& main, bool build) {
    if (dropEditedWad(main.session)) runBuildScript(main.session, build);
    enableSaveCommands(main);
}

void check(MainWindow& main, int command, bool on) {
    CheckMenuItem(main.menu, static_cast<UINT>(command),
                  MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace

void setUpMenuBar(MainWindow& main) {
    // The debugging commands are not for users. The Texture menu stays: its command extracts.
    DeleteMenu(main.menu, DEBUG_MENU_POSITION, MF_BYPOSITION);
    DrawMenuBar(main.window);
    check(main, CMD_CONFIRM_DELETIONS, main.session.edited.confirmDeletions);
    check(main, CMD_CONFIRM_OVERWRITING, main.session.edited.confirmOverwriting);
    enableSaveCommands(main);
}

// Greyed in the menus, and so for their keys too, while nothing is placed.
void enableSaveCommands(MainWindow& main) {
    UINT state = MF_BYCOMMAND | (main.session.edited.occupiedCount != 0 ? MF_ENABLED : MF_GRAYED);
    for (UINT command : {CMD_SAVE_WAD, CMD_SAVE_WAD_AS, CMD_SAVE_SCRIPT})
        EnableMenuItem(main.menu, command, state);
}

void runCommand(MainWindow& main, int command) {
    Session& session = main.session;
    switch (command) {
        case CMD_NEW_WAD:
            return newWad(session);
        case CMD_OPEN_WAD:
            return openWadForEditing(session);
        case CMD_SAVE_WAD:
        case CMD_SAVE_WAD_AS:
            // A key reaches here even while the menu item is grey.
            if (session.edited.occupiedCount == 0) return;
            saveWad(session, command == CMD_SAVE_WAD_AS);
            return;
        case CMD_LOAD_REFERENCE:
            return loadReferenceFile(session);
        case CMD_EXIT:
            SendMessageW(main.window, WM_CLOSE, 0, 0);
            return;
        case CMD_BUILD_FROM_SCRIPT:
        case CMD_LOAD_SCRIPT:
            return runScript(main, command == CMD_BUILD_FROM_SCRIPT);
        case CMD_SAVE_SCRIPT:
            if (session.edited.occupiedCount != 0) saveBuildScript(session);
            return;
        case CMD_CHECK_WAD:
            return showWadCheck(session);
        case CMD_DECOMPILE:
            return decompileGameScript(session.ui, *session.languageStrings);
        case CMD_EXTRACT_TEXTURE:
            return extractTextureFromFile(session.ui);
        case CMD_CONFIRM_DELETIONS:
            return check(main, command, toggleConfirmDeletions(session));
        case CMD_CONFIRM_OVERWRITING:
            return check(main, command, toggleConfirmOverwriting(session));
        case CMD_ONLINE_HELP:
            return showOnlineHelp(session.ui, programDirectory());
        case CMD_ABOUT:
            return showAboutBox(main.window);
        case CMD_FIND:
            SetFocus(main.filter);
            SendMessageW(main.filter, EM_SETSEL, 0, -1);
            return;
    }
}

}  // namespace kavrin::win32
