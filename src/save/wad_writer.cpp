#include "save/save_state.h"
#include "save/writers.h"
#include "formats/wad.h"
#include "formats/wad_file.h"
#include "framework/file_output.h"
#include "framework/file_types.h"

namespace kavrin {

bool writeWad(SaveState& state) {
    // The keyframes were copied as bytes; the file stores them as words.
    const std::vector<uint16_t> frames = wordsOfBytes(state.outFrames);
    WadFileSections sections;
    sections.version = outputVersion(state);
    sections.textures = state.outTextures.records;
    sections.texturePages = state.pages;
    sections.meshPointers = state.outMeshPointers;
    sections.meshData = state.outMeshes.bytes();
    sections.animations = state.outAnimations.records;
    sections.stateChanges = state.outStateChanges;
    sections.dispatches = state.outDispatches;
    sections.commands = state.outCommands;
    sections.meshTrees = state.outMeshTrees;
    sections.frames = frames;
    sections.moveables = state.outMoveables;
    sections.statics = state.outStaticMeshes;
    const ByteChain file = composeWadFile(sections);
    return stageFile(state.files, outputPath(state, FILE_WAD), file.pieces());
}

}  // namespace kavrin
