#include <gtest/gtest.h>

#include "editing/edited_wad_commands.h"
#include "editing/save_wad.h"
#include "editing/wad_commands.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "support/editing_session.h"

namespace kavrin {
namespace {

using test::EditingSession;

// An edited WAD with one placed object and unsaved changes.
void makeDirty(EditingSession& e, const std::string& name) {
    placeEntries(e.session, e.listSet("set", {.moveables = {1}}), 0, -1);
    e.session.edited.editedWasFile->name = name;
}

TEST(AskSaveChanges, AsksOnlyWhenThereIsSomethingUnsavedAndYesSavesFirst) {
    EditingSession e;
    EXPECT_TRUE(askSaveChanges(e.session));
    makeDirty(e, "");
    e.recording.answers = {Button::Cancel, Button::No, Button::Yes};
    EXPECT_FALSE(askSaveChanges(e.session));
    EXPECT_TRUE(askSaveChanges(e.session));
    const test::RecordedMessage& question = e.recording.messages.at(0);
    EXPECT_EQ(question.style, MessageStyle::QuestionYesNoCancel);
    EXPECT_EQ(question.title, "Kavrin");
    EXPECT_EQ(question.text, "Save changes to [untitled] Wad?");

    // Yes saves an untitled set under a name asked for; cancelling that abandons what was to
    // follow. Save As asks for a name whatever the set is called.
    e.recording.fileChoices = {std::nullopt, std::nullopt};
    EXPECT_FALSE(askSaveChanges(e.session));
    const FileDialogRequest& request = e.recording.fileRequests.at(0);
    EXPECT_TRUE(request.save && request.strict);
    EXPECT_EQ(request.title, "Save Wad As");
    EXPECT_EQ(request.type, FILE_WAS);
    EXPECT_TRUE(e.session.edited.dirty);
    e.session.edited.editedWasFile->name = "mine";
    EXPECT_FALSE(saveWad(e.session, true));
    EXPECT_EQ(e.recording.fileRequests.size(), 2u);
    e.recording.answers = {Button::Cancel};
    EXPECT_FALSE(askSaveChanges(e.session));
    EXPECT_EQ(e.recording.messages.back().text, "Save changes to mine Wad?");
}

TEST(SaveWad, ADistributedNameIsQuestionedAndNoAsksForAnotherName) {
    EditingSession e;
    e.session.edited.editedWasFile->name = "Karnak";
    e.recording.fileChoices = {FileChoice{"wads" + std::string(1, PATH_SEPARATOR) + "TUT1.WAS", 1}};
    e.recording.answers = {Button::No, Button::Cancel};
    EXPECT_FALSE(saveWad(e.session, false));
    ASSERT_EQ(e.recording.messages.size(), 2u);
    EXPECT_EQ(e.recording.messages[0].style, MessageStyle::WarningYesNoCancel);
    EXPECT_EQ(e.recording.messages[0].title, "Kavrin");
    EXPECT_EQ(e.recording.messages[0].text,
              "You are attempting to save the wad as karnak,\nwhich is name of one of the wads "
              "distributed with the Level Editor.\n\nAre you sure you want to save using this "
              "filename?\n");
    // The name chosen in the Save As dialog is checked again, spelled as the table has it.
    EXPECT_EQ(e.recording.messages[1].text.rfind("You are attempting to save the wad as tut1,", 0),
              0u);
    EXPECT_EQ(e.recording.fileRequests.size(), 1u);  // Cancel ends without another dialog
}

TEST(NewWad, DropsTheEditedWadOnlyAfterTheQuestion) {
    EditingSession e;
    makeDirty(e, "mine");
    e.session.edited.editedWasFile->directory = "wads";
    e.recording.answers = {Button::Cancel, Button::No};
    newWad(e.session);
    EXPECT_EQ(e.session.edited.occupiedCount, 1u);
    newWad(e.session);
    const EditedWad& edited = e.session.edited;
    EXPECT_EQ(edited.slotTable[1], nullptr);
    EXPECT_EQ(edited.occupiedCount, 0u);
    EXPECT_FALSE(edited.dirty);
    EXPECT_EQ(edited.editedWasFile->name, "");
    EXPECT_EQ(edited.editedWasFile->directory, "wads");
    EXPECT_EQ(e.view.title, "[untitled] - Kavrin v2.00");
    newWad(e.session);  // nothing unsaved: nothing asked
    EXPECT_EQ(e.recording.messages.size(), 2u);
}

}  // namespace
}  // namespace kavrin
