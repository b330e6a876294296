#include "support/save_session.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "build/save_pipeline.h"
#include "editing/reference_collection.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "support/parsed_file.h"

namespace kavrin::test {

ReferenceSource& SaveSession::load(const std::string& name, const SyntheticSet& set) {
    ReferenceSource* source = loadSyntheticSet(session, name, set);
    EXPECT_NE(source, nullptr) << (recording.messages.empty() ? "" : recording.messages.back().text);
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

std::string SaveSession::savedFile(const std::string& extension, const std::string& name) const {
    std::string path = directory;
    joinPath(path, name + extension);
    return readBytes(path);
}

bool SaveSession::nothingWritten() const { return std::filesystem::is_empty(directory); }

SyntheticWad animatedWad(const std::vector<uint32_t>& slots, uint16_t animations) {
    SyntheticWad wad;
    wad.textures = {{.x = 0, .y = 0, .page = 0, .widthMinusOne = 31, .heightMinusOne = 31}};
    wad.pageCount = 1;
    wad.pagePixel = 0x5A;
    wad.meshes = {triangleMesh(3, 3)};
    wad.meshPointers = {0};
    for (uint32_t slot : slots) {
        uint16_t first = static_cast<uint16_t>(wad.animations.size());
        wad.moveables.push_back({.slot = slot,
                                 .meshCount = 1,
                                 .firstMeshPointer = 0,
                                 .frameOffset = first * 4u,
                                 .firstAnimation = animations ? first : NO_ANIMATION});
        for (uint16_t a = first; a < first + animations; ++a) {
            wad.animations.push_back({.frameOffset = a * 4u, .nextAnimation = a});
            wad.frames.push_back(a);
            wad.frames.push_back(static_cast<uint16_t>(0x100 + a));
        }
    }
    return wad;
}

SyntheticWad texturedWad(const std::vector<ObjectTexture>& textures, uint32_t pageCount) {
    SyntheticWad wad;
    wad.textures = textures;
    wad.pageCount = pageCount;
    MeshInfo mesh = triangleMesh(3, 0);
    mesh.polygons.assign(textures.size(), mesh.polygons.front());
    for (size_t i = 0; i < textures.size(); ++i) mesh.polygons[i].texture = static_cast<uint16_t>(i);
    wad.meshes = {mesh};
    wad.meshPointers = {0};
    wad.moveables = {{.slot = 1, .meshCount = 1, .firstAnimation = NO_ANIMATION}};
    return wad;
}

}  // namespace kavrin::test
