#include <gtest/gtest.h>

#include "editing/edited_wad_commands.h"
#include "editing/reference_collection.h"
#include "framework/file_types.h"
#include "script/build_script.h"
#include "script/script_writer.h"
#include "support/script_session.h"

namespace kavrin {
namespace {

using test::ScriptSession;

TEST(SaveBuildScript, WritesOccupiedSlotsInOrderAndTheScriptLoadsBackIntoTheSameSlots) {
    ScriptSession s;
    ReferenceSource* level = findOrLoadReference(s.session, REF_LEVEL, "lvl");
    ASSERT_TRUE(level);
    placeEntryAt(s.session, 465, level->entries[1]);  // static mesh 3 of the level
    placeEntryAt(s.session, 0, s.set.entries[1]);     // moveable 1 of the set
    s.session.edited.dirty = false;

    s.recording.fileChoices = {FileChoice{s.directory + "/saved.kvs", 1}};
    ASSERT_TRUE(saveBuildScript(s.session));
    const FileDialogRequest& request = s.recording.fileRequests.at(0);
    EXPECT_TRUE(request.save && request.strict);
    EXPECT_EQ(request.title, "Save Script");
    EXPECT_EQ(request.type, FILE_BUILD_SCRIPT);
    // The name the user typed loses its own extension to the script's.
    EXPECT_EQ(test::readBytes(s.directory + "/saved.KVS"),
              "KVS V2\r\n0:WAD:1:set\r\n465:TR4:468:lvl\r\n");
    EXPECT_FALSE(s.session.edited.dirty);

    const std::array<const ObjectEntry*, SLOT_COUNT> before = s.session.edited.slotTable;
    clearEditedWad(s.session);
    ASSERT_TRUE(runBuildScriptFile(
        s.session, *makeFileRecord(FILE_BUILD_SCRIPT, s.directory, "saved"), false));
    EXPECT_EQ(s.session.edited.slotTable, before);
    EXPECT_EQ(s.session.references.size(), 2u);
    EXPECT_TRUE(s.recording.messages.empty());

    // A cancelled dialog writes nothing.
    s.recording.fileChoices = {std::nullopt};
    EXPECT_FALSE(saveBuildScript(s.session));
}

}  // namespace
}  // namespace kavrin
