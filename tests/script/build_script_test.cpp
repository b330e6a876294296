#include <gtest/gtest.h>

#include <filesystem>

#include "framework/file_types.h"
#include "framework/paths.h"
#include "script/build_script.h"
#include "support/script_session.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

using test::ScriptSession;
using Slots = std::vector<uint32_t>;

struct ScriptCase {
    const char* what;
    const char* script;
    const char* title;  // of the one message shown; null: none
    const char* text;
    Slots placed;  // what stays placed when the run ends
};

// One case to a few lines reads better than one field to a line. Of the Replace refusals, which
// the Replace tests go through, one shows the script's line number put before them. Every message
// names the script, and counts its lines as an editor does.
// clang-format off
const ScriptCase SCRIPT_CASES[] = {
    {"empty file", "", "Kavrin",
     "There are not objects defined in the script.\n", {}},
    {"header alone", "KVS V2\r\n", "Kavrin",
     "There are not objects defined in the script.\n", {}},
    {"no magic", "KVS2\r\n0:WAD:0:set\r\n", "Invalid Script Header",
     "Error in script file at line 1.\nMissing script header.", {}},
    {"no version number", "KVS Vtwo\r\n", "Invalid Script Version",
     "Error in script file line 1.\nInvalid script version specification.", {}},
    {"version 3", "KVS V3\r\n0:WAD:0:set\r\n", "Unsupported Script Version",
     "Error in script file line 1.\nScript is version 3, this version of Kavrin supports up to "
     "version 2.", {}},
    {"a level in a version 1 script", "KVS V1\r\n0:WAD:0:set\r\n0:TR4:0:lvl\r\n", "Kavrin",
     "Invalid source file type \"TR4\" on line 3\n", {0}},
    {"unknown type", "KVS V2\r\n1:XYZ:1:set\r\n", "Kavrin",
     "Invalid source file type \"XYZ\" on line 2\n", {}},
    {"no name", "KVS V2\r\n5:WAD:5:\r\n", "Kavrin",
     "Invalid object specification in script at line 2.", {}},
    {"four-letter type", "KVS V2\r\n5:WADS:5:set\r\n", "Kavrin",
     "Invalid object specification in script at line 2.", {}},
    {"space before a colon", "KVS V2\r\n1 :WAD:1:set\r\n", "Kavrin",
     "Invalid object specification in script at line 2.", {}},
    {"blank line", "KVS V2\r\n1:WAD:1:set\r\n\r\n", "Kavrin",
     "Invalid object specification in script at line 3.", {1}},
    {"negative destination", "KVS V2\r\n-1:WAD:1:set\r\n", "Kavrin",
     "Invalid destination object ID -1 at line 2.", {}},
    {"destination past the slots", "KVS V2\r\n525:WAD:1:set\r\n", "Kavrin",
     "Invalid destination object ID 525 at line 2.", {}},
    {"destination past an int", "KVS V2\r\n99999999999:WAD:1:set\r\n", "Kavrin",
     "Invalid destination object ID 2147483647 at line 2.", {}},
    {"source past the slots", "KVS V2\r\n1:WAD:525:set\r\n", "Kavrin",
     "Invalid source object ID 525 at line 2.", {}},
    {"into MISC_SPRITES", "KVS V2\r\n464:WAD:1:set\r\n", "Kavrin",
     "The MISC_SPRITES object, #464, is not supported.", {}},
    {"from MISC_SPRITES", "KVS V2\r\n1:WAD:464:set\r\n", "Kavrin",
     "The MISC_SPRITES object, #464, is not supported.", {}},
    {"moveable into a static slot", "KVS V2\r\n465:WAD:1:set\r\n", "Kavrin",
     "Invalid object addition at line 2.\nReplacing static objects with moveables is not "
     "supported yet.", {}},
    {"sky from a level", "KVS V2\r\n460:TR4:460:lvl\r\n", "Kavrin",
     "Adding SKY_GRAPHICS from a level is not supported yet.", {}},
    {"default sprites from a level", "KVS V2\r\n463:tr4:463:lvl\r\n", "Kavrin",
     "Adding DEFAULT_SPRITES from a level is not supported yet.", {}},
    {"moveable missing from the set", "KVS V2\r\n1:WAD:2:set\r\n", "Kavrin",
     "Invalid source object ID 2 at line 2.\nThe OBJECT_002 moveable does not exist in the set "
     "wad.", {}},
    {"static missing from the level", "KVS V2\r\n466:TR4:470:lvl\r\n", "Kavrin",
     "Invalid source object ID 470 at line 2.\nThe STATIC_05 static mesh does not exist in the "
     "lvl level.", {}},
    {"a bad line after good ones", "KVS V2\r\n0:WAD:0:set\r\n465:tr4:468:lvl\r\nbad\r\n", "Kavrin",
     "Invalid object specification in script at line 4.", {0, 465}},
    {"lower case, white space, version 0", "KVS V 0\r\n 1: wad:  1:\tset \r\n2:WAD:5:set", nullptr,
     nullptr, {1, 2}},
    {"lines ended by line feeds", "KVS V2\n0:WAD:0:set\n468:TR4:468:lvl\n", nullptr,
     nullptr, {0, 468}},
    {"a carriage return alone ends no line", "KVS V2\r\n1:WAD:1:\rset\r5:WAD:5:set\r\n",
     nullptr, nullptr, {1}},
};
// clang-format on

TEST(RunBuildScript, EveryCheckStopsTheRunWithItsMessageKeepingTheLinesBeforeIt) {
    for (const ScriptCase& c : SCRIPT_CASES) {
        SCOPED_TRACE(c.what);
        ScriptSession s;
        EXPECT_EQ(s.run(c.script), c.title == nullptr);
        if (c.title) {
            const test::RecordedMessage& message = s.recording.onlyMessage();
            EXPECT_EQ(message.style, MessageStyle::ErrorOk);
            EXPECT_EQ(message.title, c.title);
            EXPECT_EQ(message.text,
                      s.directory + PATH_SEPARATOR + "made.KVS cannot be read:\n" + c.text);
        } else {
            EXPECT_TRUE(s.recording.messages.empty());
        }
        EXPECT_EQ(s.placedSlots(), c.placed);
        EXPECT_EQ(s.session.edited.occupiedCount, c.placed.size());
    }
}

TEST(RunBuildScript, LoadPlacesLikeTheUserReusingLoadedSourcesAndNamesTheEditedWad) {
    ScriptSession s;
    s.view.events.clear();
    ASSERT_TRUE(
        s.run("KVS V2\r\n1:WAD:1:set\r\n2:WAD:5:set\r\n468:TR4:468:lvl\r\n1:WAD:5:set\r\n"));
    // The later line for slot 1 wins, and the slot is counted once.
    const EditedWad& edited = s.session.edited;
    EXPECT_EQ(edited.occupiedCount, 3u);
    EXPECT_EQ(edited.slotTable[1], &s.set.entries[2]);
    EXPECT_EQ(edited.slotTable[468], &s.session.references.front()->entries[1]);
    EXPECT_EQ(edited.sourceName[468] + "|" + edited.sourceFile[468], "lvl|lvl.tr4");
    EXPECT_EQ(s.session.references.size(), 2u);  // "set" reused, "lvl" loaded once
    // Rows change in place and the selection stays; nothing is saved.
    EXPECT_EQ(s.view.events,
              (std::vector<std::string>{"row 1", "row 2", "reference lvl.tr4 at 0", "row 468",
                                        "row 1", "title made - Kavrin v2.00"}));
    EXPECT_EQ(edited.selectedRow, NO_ROW);
    EXPECT_TRUE(edited.dirty);
    EXPECT_EQ(edited.editedWasFile->path, s.directory + PATH_SEPARATOR + "made.WAS");
    EXPECT_FALSE(std::filesystem::exists(s.directory + "/made.WAS"));
}

TEST(RunBuildScript, AMissingSourceIsLookedForInThePickedFolderAndCancellingStopsQuietly) {
    ScriptSession s;
    std::string elsewhere = test::makeTempDirectory("elsewhere");
    std::filesystem::rename(s.directory + "/lvl.tr4", elsewhere + "/lvl.tr4");
    std::filesystem::copy_file(elsewhere + "/lvl.tr4", elsewhere + "/other.tr4");
    s.recording.folderChoices = {std::nullopt, elsewhere};
    EXPECT_FALSE(s.run("KVS V2\r\n1:WAD:1:set\r\n0:TR4:0:lvl\r\n"));
    EXPECT_TRUE(s.recording.messages.empty());
    EXPECT_EQ(s.placedSlots(), (Slots{1}));

    // Once a folder is picked, later sources are looked for there first.
    EXPECT_TRUE(s.run("KVS V2\r\n0:TR4:0:lvl\r\n465:TR4:468:other\r\n"));
    EXPECT_EQ(s.recording.folderRequests.size(), 2u);
    EXPECT_EQ(s.session.sourceDirectory, elsewhere);
    EXPECT_EQ(s.placedSlots(), (Slots{0, 1, 465}));
}

TEST(RunBuildScript, BuildAsksBeforeReplacingASetOfTheScriptsNameAndMayStopThere) {
    ScriptSession s;
    const std::string existing = s.directory + PATH_SEPARATOR + "made.WAS";
    test::writeFileText(existing, "kept");
    s.recording.answers = {Button::Cancel, Button::No};
    s.recording.fileChoices = {std::nullopt};
    EXPECT_FALSE(s.run("KVS V2\r\n1:WAD:1:set\r\n", true));
    const test::RecordedMessage& question = s.recording.onlyMessage();
    EXPECT_EQ(question.style, MessageStyle::WarningYesNoCancel);
    EXPECT_EQ(question.title, "Save Wad");
    EXPECT_EQ(question.text, existing + "\nThis file already exists.\n\nReplace existing file?");

    // No asks for another name; cancelling that dialog stops too, before the script is read.
    EXPECT_FALSE(s.run("KVS V2\r\n1:WAD:1:set\r\n", true));
    const FileDialogRequest& dialog = s.recording.fileRequests.at(0);
    EXPECT_EQ(dialog.title, "Save Wad As");
    EXPECT_TRUE(dialog.save && dialog.type == FILE_WAS);
    EXPECT_EQ(s.placedSlots(), Slots{});
    EXPECT_EQ(test::readBytes(existing), "kept");
}

}  // namespace
}  // namespace kavrin
