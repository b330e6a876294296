#include "support/editing_session.h"

#include <gtest/gtest.h>

#include "editing/entries.h"
#include "editing/reference_collection.h"
#include "editing/rows.h"
#include "formats/sound_files.h"
#include "formats/swd.h"
#include "formats/wad.h"
#include "framework/file_types.h"
#include "framework/text_format.h"
#include "support/objects_header.h"

namespace kavrin::test {

namespace {

std::unique_ptr<ReferenceSource> madeWadSet(Ui& ui, const std::string& name,
                                            const SetObjects& objects) {
    std::unique_ptr<ReferenceSource> source = makeReferenceSource(REF_WAD_SET, name);
    ObjectWad wad;
    for (uint32_t id : objects.moveables)
        wad.moveables.push_back(Moveable{.slot = id});
    for (uint32_t number : objects.statics)
        wad.statics.push_back(StaticMesh{.staticNumber = number});
    SpriteWad swd;
    for (uint32_t slot : objects.spriteSequences)
        swd.sequences.push_back(SpriteSequence{.slot = slot});
    auto record = [&](uint32_t type, auto contents) {
        std::unique_ptr<FileRecord> made = makeFileRecord(type, "made", name);
        made->contents = std::move(contents);
        return made;
    };
    source->wadFile = record(FILE_WAD, std::move(wad));
    source->swdFile = record(FILE_SWD, std::move(swd));
    source->sfxFile = record(FILE_SFX, SoundResources{});
    source->samFile = record(FILE_SAM, SoundNames{});
    EXPECT_TRUE(buildEntryTable(ui, *source));
    return source;
}

// Read from a header, as objects.h is, so label lookups (loading a .WAS) find the labels.
ObjectCatalogue labelledCatalogue() {
    std::vector<std::string> objects, statics;
    for (uint32_t slot = 0; slot < FIRST_STATIC_SLOT; ++slot)
        objects.push_back(format("OBJECT_%03u", slot));
    for (uint32_t number = 0; number < STATIC_SLOT_COUNT; ++number)
        statics.push_back(format("STATIC_%02u", number));
    objects[0] = "LARA";
    objects[SKY_GRAPHICS_SLOT] = "SKY_GRAPHICS";
    objects[DEFAULT_SPRITES_SLOT] = "DEFAULT_SPRITES";
    objects[MISC_SPRITES_SLOT] = "MISC_SPRITES";
    return catalogueFrom(objectsHeader(objects, statics));
}

}  // namespace

RecordingView::RecordingView(Session& session) {
    ViewPort& view = session.view;
    view.referenceAdded = [this, &session](ReferenceSource& source, size_t position) {
        events.push_back("reference " + source.fileName + " at " + std::to_string(position));
        if (position > roots.size()) {
            ADD_FAILURE() << "root position " << position << " past " << roots.size() << " roots";
            position = roots.size();
        }
        TreeRoot root{source.fileName, {}};
        source.rootEntry.treeItem = nextItem++;
        for (ObjectEntry& entry : source.entries) {
            root.children.push_back(entryTreeText(*session.catalogue, entry));
            entry.treeItem = nextItem++;
        }
        roots.insert(roots.begin() + static_cast<std::ptrdiff_t>(position), std::move(root));
    };
    view.entrySelected = [this](const ObjectEntry& entry) {
        events.push_back("entry " + entry.owner->fileName + " " + std::to_string(entry.index));
    };
    view.rowChanged = [this](size_t row) { events.push_back("row " + std::to_string(row)); };
    view.rowsRebuilt = [this] { events.push_back("rebuilt"); };
    view.rowSelected = [this](size_t row) { events.push_back("select " + std::to_string(row)); };
    view.redraw = [this](bool on) { events.push_back(on ? "redraw on" : "redraw off"); };
    view.titleChanged = [this](const std::string& shown) {
        title = shown;
        events.push_back("title " + shown);
    };
}

EditingSession::EditingSession() : catalogue(labelledCatalogue()) {
    session.ui.port = recording.ui.port;
    session.catalogue = &catalogue;
}

ReferenceSource& EditingSession::listSet(const std::string& name, const SetObjects& objects) {
    session.references.insert(session.references.begin(), madeWadSet(session.ui, name, objects));
    ReferenceSource& source = *session.references.front();
    addReferenceToTree(session, source);
    return source;
}

void EditingSession::selectEntry(const ReferenceSource& source, int index) {
    session.selectedEntry = index < 0 ? &source.rootEntry : &source.entries.at(index);
}

void EditingSession::selectRowOf(uint32_t slot) {
    std::optional<size_t> row = findRow(session.edited, slot);
    ASSERT_TRUE(row) << "no row shows slot " << slot;
    session.edited.selectedRow = static_cast<int32_t>(*row);
}

}  // namespace kavrin::test
