// The Level Editor's own objects.h, sets and levels as references and as the edited set.
#include <gtest/gtest.h>

#include <any>
#include <array>
#include <filesystem>
#include <fstream>
#include <set>

#include "editing/drops.h"
#include "editing/entries.h"
#include "editing/objects_h_location.h"
#include "editing/reference_collection.h"
#include "editing/reference_commands.h"
#include "editing/start_up.h"
#include "editing/wad_commands.h"
#include "formats/was.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "framework/text_format.h"
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

TEST_F(RealReferences, Tut1GivesItsMoveablesSpriteSequencesAndStaticsInOrder) {
    listSet("older", {});
    ReferenceSource* tut1 = loadShipped("tut1");
    ASSERT_NE(tut1, nullptr);
    EXPECT_EQ(session.references.front().get(), tut1);
    EXPECT_EQ(tut1->loadOrder, 1u);
    EXPECT_EQ((std::array{tut1->block.moveables.size(), tut1->block.spriteSequences.size(),
                          tut1->block.staticMeshes.size()}),
              (std::array<size_t, 3>{109, 2, 11}));

    // The set's own object list names the same objects, in slot order, its two sprite sequences
    // among the moveables; the tree puts the sprite sequences after the moveables.
    const auto& was = std::any_cast<const WadScript&>(tut1->wasFile->contents);
    std::vector<std::string> moveables, sprites, statics;
    for (size_t line = 0; line < was.lineCount(); ++line) {
        const std::string& label = was.lineLabels[line];
        uint32_t slot = *findLabel(*session.catalogue, label);
        bool isStatic = slot >= FIRST_STATIC_SLOT;
        bool isSprite = static_cast<int32_t>(line) == was.skyGraphicsLine ||
                        static_cast<int32_t>(line) == was.defaultSpritesLine;
        (isStatic   ? statics
         : isSprite ? sprites
                    : moveables)
            .push_back(format("%c%3u %s", isStatic ? 'S' : 'M',
                              isStatic ? slot - FIRST_STATIC_SLOT : slot, label.c_str()));
    }
    ASSERT_EQ(view.roots.size(), 2u);
    EXPECT_EQ(view.roots[1].text, "tut1.WAS");
    const std::vector<std::string>& shown = view.roots[1].children;
    ASSERT_EQ(shown.size(), 122u);
    EXPECT_EQ(std::vector(shown.begin(), shown.begin() + 109), moveables);
    EXPECT_EQ(std::multiset(shown.begin() + 109, shown.begin() + 111),
              std::multiset(sprites.begin(), sprites.end()));
    EXPECT_EQ(std::vector(shown.begin() + 111, shown.end()), statics);
    EXPECT_EQ(shown.front(), "M  0 LARA");
    EXPECT_FALSE(session.ui.progress.visible);
}

TEST_F(RealReferences, TheTitleLevelGivesItsMoveablesThenItsStatics) {
    ReferenceSource* title = loadLevelReference(
        session, makeFileRecord(FILE_REFERENCE, (fs::path(trle) / "data").string(), "title"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->kind, REF_LEVEL);
    const size_t moveables = title->block.moveables.size();
    ASSERT_EQ(moveables + title->block.staticMeshes.size(), 72u);
    EXPECT_TRUE(title->entries[moveables - 1].isMoveable && !title->entries[moveables].isMoveable);
    ASSERT_EQ(view.roots.size(), 1u);
    EXPECT_EQ(view.roots[0].children.size(), 72u);
    EXPECT_FALSE(session.ui.progress.visible);
}

TEST_F(RealReferences, ASetThatFailsToLoadLeavesTheListAndTheTreeAsTheyWere) {
    listSet("older", {});
    auto refused = [&](const std::string& directory, const std::string& name) {
        recording.messages.clear();
        recording.progress.clear();
        EXPECT_EQ(loadWadSetReference(session, *makeFileRecord(FILE_WAS, directory, name)),
                  nullptr);
        EXPECT_EQ(session.references.size(), 1u);
        EXPECT_EQ(view.roots.size(), 1u);
        EXPECT_FALSE(session.ui.progress.visible);
        return recording.onlyMessage().text;
    };
    // A set directory whose files are the real tut1 files, but for one.
    auto copiedTut1 = [&](const std::string& without) {
        fs::path copied = test::makeTempDirectory("copied-" + without);
        for (std::string extension : {"WAS", "WAD", "sfx", "sam", "SWD"}) {
            if (extension == without) continue;
            fs::copy_file(fs::path(session.wadDirectory) / ("tut1." + extension),
                          copied / ("set." + extension));
        }
        return copied;
    };
    fs::path noSprites = copiedTut1("SWD");
    EXPECT_TRUE(refused(noSprites.string(), "set")
                    .starts_with("Unable to open " + (noSprites / "set.SWD").string()));

    fs::path mismatch = copiedTut1("sam");
    // On Linux the file is named as it is on disk, whatever the case its type's extension has;
    // Windows opens it as the set names it, and so names it.
    std::ofstream(mismatch / "set.sam", std::ios::binary) << "ONE.WAV\r\n";
#ifdef _WIN32
    const char* shownName = "set.SAM";
#else
    const char* shownName = "set.sam";
#endif
    EXPECT_EQ(refused(mismatch.string(), "set"),
              (mismatch / shownName).string() +
                  " cannot be read:\nMismatch in number of sound samples: SFX has 144, SAM has 1");
    EXPECT_EQ(recording.progress.back().text, "Reading set.SAM");  // the SWD is not read

    EXPECT_NE(refused(session.wadDirectory, "city").find("\"FISH\""), std::string::npos);
    EXPECT_EQ(session.nextLoadOrder, 1u);
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

TEST_F(RealEditedWad, OpeningASetPlacesEveryObjectInItsOwnSlotWithNothingUnsaved) {
    openShipped("tut1");
    const EditedWad& edited = session.edited;
    const ReferenceSource& source = *edited.editedSource;
    ASSERT_EQ(source.objectCount(), 122u);
    std::set<uint32_t> slots;
    for (const ObjectEntry& entry : source.entries) {
        uint32_t slot = *placeableSlot(*session.catalogue, entry);
        slots.insert(slot);
        EXPECT_EQ(edited.slotTable[slot], &entry);
        EXPECT_EQ(edited.sourceFile[slot], "tut1.WAS");
    }
    EXPECT_EQ(slots.size(), 122u);
    EXPECT_EQ(edited.occupiedCount, 122u);
    EXPECT_FALSE(edited.dirty);
    EXPECT_EQ(view.title, "tut1 - Kavrin v2.00");
    EXPECT_TRUE(session.references.empty());  // not a reference, not in the tree
    EXPECT_TRUE(view.roots.empty());

    // A failed open afterwards keeps the opened set as it is.
    recording.fileChoices = {FileChoice{session.wadDirectory + PATH_SEPARATOR + "city.WAS", 1}};
    openWadForEditing(session);
    EXPECT_EQ(recording.fileRequests.back().title, "Open Wad for Editing");
    EXPECT_EQ(edited.editedSource.get(), &source);
    EXPECT_EQ(edited.occupiedCount, 122u);
    EXPECT_EQ(edited.editedWasFile->name, "tut1");
    EXPECT_EQ(view.title, "tut1 - Kavrin v2.00");
}

}  // namespace
}  // namespace kavrin
