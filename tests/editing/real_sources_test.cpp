// The Level Editor's own objects.h, sets and levels as references and as the edited set.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "editing/drops.h"
#include "editing/objects_h_location.h"
#include "editing/reference_commands.h"
#include "editing/start_up.h"
#include "editing/wad_commands.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "support/save_session.h"

namespace kavrin {
namespace {

namespace fs = std::filesystem;

using LocateObjectsH = test::RealSession;
using RealReferences = test::RealSession;
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

TEST_F(RealReferences, AFileAlreadyLoadedIsSelectedInsteadOfLoadedAgain) {
    // Dropped files and the menu's file dialog, in other spellings of the same files.
    auto wads = [this](const char* name) {
        return (fs::path(session.wadDirectory) / name).string();
    };
    std::string data = (fs::path(trle) / "data").string();
    loadDroppedFiles(session, {wads("tut1.WAS"), data + "/title.tr4", wads("tut1.sam")});
    recording.fileChoices = {FileChoice{wads("TUT1.tr4"), 1},
                             FileChoice{data + "/../data/title.WAS", 2}};
    loadReferenceFile(session);
    loadReferenceFile(session);
    loadDroppedFiles(session, {wads("title.WAS")});  // the title set is another file

    std::vector<std::string> loaded;
    for (const std::unique_ptr<ReferenceSource>& source : session.references)
        loaded.push_back(source->fileName);
    EXPECT_EQ(loaded, (std::vector<std::string>{"title.WAS", "title.tr4", "tut1.WAS"}));
    EXPECT_EQ(session.selectedEntry, &session.references[1]->rootEntry);
    EXPECT_EQ(std::count_if(view.events.begin(), view.events.end(),
                            [](const std::string& event) { return event.starts_with("entry"); }),
              2);
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
