#include "support/save_session.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "editing/objects_h_location.h"
#include "editing/reference_collection.h"
#include "editing/wad_commands.h"
#include "formats/wad_file.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "framework/text_lines.h"
#include "save/save_pipeline.h"
#include "support/parsed_file.h"

namespace kavrin::test {

void SaveSession::write(const std::string& into, const std::string& name, const SyntheticSet& set) {
    std::string was;
    auto line = [&](uint32_t slot) {
        appendLine(was, std::string(slotLabel(catalogue, slot)) + ":x");
    };
    for (const Moveable& moveable : set.wad.moveables)
        line(moveable.slot);
    for (const SpriteSequence& sequence : set.sprites.sequences)
        line(sequence.slot);
    for (const StaticMesh& mesh : set.wad.statics)
        line(mesh.staticNumber + FIRST_STATIC_SLOT);
    std::string sam = encodeSamFile(set.sampleNames);
    auto path = [&](uint32_t type) { return makeFileRecord(type, into, name)->path; };
    writeBytes(path(FILE_WAS), std::span(reinterpret_cast<const uint8_t*>(was.data()), was.size()));
    writeBytes(path(FILE_SAM), std::span(reinterpret_cast<const uint8_t*>(sam.data()), sam.size()));
    writeBytes(path(FILE_WAD), wadBytes(set.wad));
    writeBytes(path(FILE_SWD), encodeSwdFile(set.sprites));
    writeBytes(path(FILE_SFX), encodeSfxFile(set.sounds));
}

ReferenceSource& SaveSession::load(const std::string& name, const SyntheticSet& set) {
    std::string into = makeTempDirectory("set");
    write(into, name, set);
    ReferenceSource* source = loadWadSetReference(session, *makeFileRecord(FILE_WAS, into, name));
    EXPECT_NE(source, nullptr) << recording.messages.back().text;
    return *source;
}

void SaveSession::put(uint32_t slot, const ReferenceSource& source, uint32_t index) {
    if (!session.edited.slotTable[slot]) ++session.edited.occupiedCount;
    session.edited.slotTable[slot] = &source.entries.at(index);
    session.edited.dirty = true;
}

bool SaveSession::save(const std::string& name) {
    return saveWadSet(session, *makeFileRecord(FILE_WAS, directory, name));
}

std::unique_ptr<ReferenceSource> SaveSession::loadSaved(const std::string& name) {
    return loadUnlinkedWadSet(session, *makeFileRecord(FILE_WAS, directory, name));
}

std::string SaveSession::savedFile(const std::string& extension) const {
    return readBytes(directory + PATH_SEPARATOR + "out" + extension);
}

bool SaveSession::nothingWritten() const {
    return std::filesystem::is_empty(directory);
}

void RealSession::SetUp() {
    KAVRIN_REQUIRE_DATA(trle);
    ASSERT_TRUE(locateObjectsH(session, &trle));
}

ReferenceSource* RealSession::loadShipped(const std::string& name) {
    return loadWadSetReference(session, *makeFileRecord(FILE_WAS, session.wadDirectory, name));
}

void RealSession::openShipped(const std::string& name) {
    recording.fileChoices = {FileChoice{session.wadDirectory + PATH_SEPARATOR + name + ".WAS", 1}};
    openWadForEditing(session);
    ASSERT_NE(session.edited.editedSource, nullptr);
}

SyntheticSet animatedSet(const std::vector<uint32_t>& slots, uint16_t animations) {
    SyntheticSet set;
    SyntheticWad& wad = set.wad;
    wad.textures = {{.widthMinusOne = 31, .heightMinusOne = 31}};
    wad.pageCount = 1;
    wad.meshes = {triangleMesh(3, 3)};
    wad.meshPointers = {0};
    for (uint32_t slot : slots) {
        uint16_t first = static_cast<uint16_t>(wad.animations.size());
        wad.moveables.push_back({.slot = slot,
                                 .meshCount = 1,
                                 .frameOffset = first * 4u,
                                 .firstAnimation = animations ? first : NO_ANIMATION});
        for (uint16_t a = first; a < first + animations; ++a) {
            wad.animations.push_back({.frameOffset = a * 4u, .nextAnimation = a});
            wad.frames.insert(wad.frames.end(), {a, static_cast<uint16_t>(0x100 + a)});
        }
    }
    return set;
}

}  // namespace kavrin::test
