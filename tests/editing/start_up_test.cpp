#include <gtest/gtest.h>

#include <filesystem>

#include "editing/reference_commands.h"
#include "editing/start_up.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "support/editing_session.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

namespace fs = std::filesystem;

// Each test changes the current directory; the next one must not depend on it.
struct StartUp : test::EditingSession, ::testing::Test {
    void TearDown() override { setCurrentDirectory(before); }
    std::string before = currentDirectory();
    std::string trle = test::realTrleDirectory();
};

TEST_F(StartUp, LoadsObjectsHAndMakesTheWadDirectoryCurrent) {
    KAVRIN_REQUIRE_DATA(trle);
    ASSERT_TRUE(startSession(session, &trle));
    EXPECT_TRUE(fs::equivalent(currentDirectory(), fs::path(trle) / "graphics" / "wads"));
    EXPECT_EQ(session.edited.editedWasFile->directory, session.wadDirectory);
    EXPECT_TRUE(recording.messages.empty());
}

TEST_F(StartUp, AFolderWithoutObjectsHAsksForTheLevelEditorAndGivingUpEndsIt) {
    std::string empty = test::makeTempDirectory("no-trle");
    recording.folderChoices = {std::nullopt};
    EXPECT_FALSE(startSession(session, &empty));
    EXPECT_EQ(recording.onlyMessage().title, "Kavrin: Unable to locate objects.h");
    EXPECT_EQ(currentDirectory(), before);
    fs::remove_all(empty);
}

TEST_F(StartUp, TheChosenReferenceFilterDecidesBetweenTheWadSetAndTheLevel) {
    KAVRIN_REQUIRE_DATA(trle);
    ASSERT_TRUE(startSession(session, &trle));
    // Only the folder and the base name of the picked file count, not its extension.
    std::string wads = session.wadDirectory;
    std::string levels = (fs::path(trle) / "data").string();
    recording.fileChoices = {FileChoice{(fs::path(wads) / "tut1.tr4").string(), 1},
                             FileChoice{(fs::path(levels) / "title.WAS").string(), 2},
                             std::nullopt};
    loadReferenceFile(session);
    loadReferenceFile(session);
    loadReferenceFile(session);

    const FileDialogRequest& request = recording.fileRequests.at(0);
    EXPECT_EQ(request.title, "Load Reference File");
    EXPECT_EQ(request.type, FILE_REFERENCE);
    EXPECT_TRUE(request.strict && !request.save);
    ASSERT_EQ(session.references.size(), 2u);
    EXPECT_EQ(session.references[0]->fileName, "title.tr4");
    EXPECT_EQ(session.references[0]->kind, REF_LEVEL);
    EXPECT_EQ(session.references[1]->fileName, "tut1.WAS");
    EXPECT_EQ(session.references[1]->kind, REF_WAD_SET);
    EXPECT_EQ(view.roots.size(), 2u);
    EXPECT_TRUE(recording.messages.empty());
}

}  // namespace
}  // namespace kavrin
