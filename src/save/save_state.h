// The working record of one save: every output section of the new WAD set as it is built, and
// what the writers of the five files read.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "save/record_list.h"
#include "formats/sound_files.h"
#include "formats/swd.h"
#include "formats/wad_records.h"
#include "framework/bytes.h"
#include "framework/file_output.h"
#include "framework/file_record.h"

namespace kavrin {

struct ReferenceSource;
struct Session;
struct Ui;

// Where an output object texture came from: the source and the texture as the source stores it,
// so its pixels can be found after packing has moved the output copy.
struct TextureOrigin {
    const ReferenceSource* source = nullptr;
    ObjectTexture texture;
};

// One copied moveable: which source moveable it is, and where its animations begin in the output.
// A moveable placed in two slots is copied twice, and each copy's links are resolved to its own
// animations through this.
struct CopiedMoveable {
    uint32_t slot = 0;
    const ReferenceSource* source = nullptr;
    uint32_t moveableIndex = 0;
    uint32_t firstAnimation = 0;  // output index of the copy's first animation
};

struct SaveState {
    SaveState(Session& session, const FileRecord& output);
    // With its own ui: a set built only to be measured shows nothing on the session's.
    SaveState(Session& session, const FileRecord& output, Ui& ui);

    Session& session;
    Ui& ui;  // where building the set reports and shows its progress
    FileRecord output;  // FILE_WAS: the directory and base name of the set being written
    FileSetOutput files;  // the set's files as the writers stage them

    // Sounds. During the copy stage a sound map entry of 0 marks a sound a copied animation plays,
    // and soundSource says which source it is taken from.
    SoundResources outSounds;  // map, infos and sample values, as the .SFX holds them
    std::vector<std::string> outSampleNames;
    std::array<const ReferenceSource*, SOUND_COUNT> soundSource{};

    // Object textures; entry 0 is reserved and stays all zero, so every real index is 1 or more.
    RecordList<ObjectTexture> outTextures;
    std::vector<TextureOrigin> outTextureSources;  // index-aligned with outTextures

    // Meshes: each source mesh is stored once; every use of it gets its own mesh pointer.
    std::vector<uint32_t> outMeshPointers;  // byte offsets into outMeshes
    ByteWriter outMeshes;
    KeyIndex meshOffsets;  // source mesh -> its byte offset in outMeshes

    RecordList<Animation> outAnimations;
    std::vector<StateChange> outStateChanges;
    std::vector<Dispatch> outDispatches;
    std::vector<uint16_t> outCommands;
    std::vector<uint32_t> outMeshTrees;
    std::vector<uint8_t> outFrames;  // addressed in bytes, like the source frames
    std::vector<Moveable> outMoveables;
    std::vector<CopiedMoveable> copiedMoveables;  // index-aligned with outMoveables
    std::vector<StaticMesh> outStaticMeshes;

    SpriteWad outSprites;  // composed before anything is written

    // Made by texture packing.
    std::vector<uint8_t> pages;  // pageCount pages of 256 x 256 RGB pixels
    uint32_t pageCount = 0;
    uint32_t textureArea = 0;  // pixels of all placed texture rectangles
};

// The catalogue label of a slot, for messages.
const char* slotLabelText(const SaveState& state, uint32_t slot);

// The path of the set's file of `type`: the output's directory and name with the type's extension.
std::string outputPath(const SaveState& state, uint32_t type);

// The version word every written file starts with: the catalogue's.
uint32_t outputVersion(const SaveState& state);

}  // namespace kavrin
