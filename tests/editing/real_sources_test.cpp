// The Level Editor's own objects.h, sets and levels as references and as the edited set.
#include <gtest/gtest.h>

#include <filesystem>

#include "editing/objects_h_location.h"
#include "editing/start_up.h"
#include "editing/wad_commands.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "support/save_session.h"

namespace kavrin {
namespace {

namespace fs = std::filesystem;

using LocateObjectsH = test::RealSession;
using RealEditedWad = test::RealSession;

TEST_F(LocateObjectsH, WithoutObjectsHWarnsAndAsksForTheLevelEditorFolder) {
    std::string empty = test::makeTempDirectory("no-trle");
    test::EditingSession e;
    e.recording.folderChoices = {trle, std::nullopt};
    ASSERT_TRUE(locateObjectsH(e.session, &empty));
    EXPECT_EQ(e.recording.onlyMessage().title, "Kavrin: Unable to locate objects.h");
    const FolderRequest& request = e.recording.folderRequests.at(0);
    EXPECT_EQ(request.startDirectory, empty);
    EXPECT_TRUE(request.okEnabled(trle));
    EXPECT_FALSE(request.okEnabled(empty));
    // The WAD directory is derived from where objects.h was found.
    EXPECT_EQ(e.session.wadDirectory, (fs::path(trle) / "graphics" / "wads").string());
    EXPECT_EQ(slotName(e.session, 0), "LARA");

    // Giving up ends the start without a catalogue, in the directory it started in.
    Session cancelled;
    cancelled.ui.port = e.recording.ui.port;
    const std::string before = currentDirectory();
    EXPECT_FALSE(startSession(cancelled, &empty));
    EXPECT_EQ(cancelled.catalogue, nullptr);
    EXPECT_EQ(cancelled.wadDirectory, "");
    EXPECT_EQ(currentDirectory(), before);
}

// What opening a set places is checked by saving the shipped sets again; here, a failed open.
TEST_F(RealEditedWad, AFailedOpenKeepsTheOpenedSet) {
    openShipped("tut1");
    const ReferenceSource* opened = session.edited.editedSource.get();
    recording.fileChoices = {FileChoice{session.wadDirectory + PATH_SEPARATOR + "city.WAS", 1}};
    openWadForEditing(session);
    EXPECT_EQ(recording.fileRequests.back().title, "Open Wad for Editing");
    EXPECT_EQ(session.edited.editedSource.get(), opened);
    EXPECT_EQ(session.edited.occupiedCount, 122u);
    EXPECT_EQ(session.edited.editedWasFile->name, "tut1");
    EXPECT_EQ(view.title, "tut1 - Kavrin v2.00");
}

}  // namespace
}  // namespace kavrin
