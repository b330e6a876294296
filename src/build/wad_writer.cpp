#include "build/save_state.h"
#include "build/writers.h"
#include "editing/session.h"
#include "formats/wad.h"
#include "formats/wad_file.h"
#include "framework/file_output.h"
#include "framework/file_types.h"

namespace kavrin {

namespace {

// The keyframes were copied as bytes; the file stores them as little-endian words.
std::vector<uint16_t> frameWords(const std::vector<uint8_t>& bytes) {
    std::vector<uint16_t> words((bytes.size() + 1) / 2);
    for (size_t b = 0; b < bytes.size(); ++b) {
        words[b / 2] = static_cast<uint16_t>(words[b / 2] | bytes[b] << (8 * (b % 2)));
    }
    return words;
}

}  // namespace

bool writeWad(SaveState& state) {
    const std::vector<uint16_t> frames = frameWords(state.outFrames);
    WadFileSections sections;
    sections.version = outputVersion(state);
    sections.textures = state.outTextures.records;
    sections.texturePages = state.pages;
    sections.meshPointers = state.outMeshPointers;
    sections.meshData = state.outMeshes;
    sections.animations = state.outAnimations.records;
    sections.stateChanges = state.outStateChanges;
    sections.dispatches = state.outDispatches;
    sections.commands = state.outCommands;
    sections.meshTrees = state.outMeshTrees;
    sections.frames = frames;
    sections.moveables = state.outMoveables;
    sections.statics = state.outStaticMeshes;
    const ByteChain file = composeWadFile(sections);
    return writeFileReplacing(state.session.ui, outputPath(state, FILE_WAD), file.pieces());
}

}  // namespace kavrin
