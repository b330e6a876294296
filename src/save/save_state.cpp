#include "save/save_state.h"

#include "editing/session.h"

namespace kavrin {

SaveState::SaveState(Session& session, const FileRecord& output)
    : SaveState(session, output, session.ui) {}

SaveState::SaveState(Session& session, const FileRecord& output, Ui& ui)
    : session(session), ui(ui), output(output), files(ui, output.directory, output.name) {
    this->output.buffer.clear();
    this->output.contents.reset();
    outSounds.soundMap.fill(NO_SOUND);
    outTextures.append(nullptr, ObjectTexture{});
    outTextureSources.push_back(TextureOrigin{});
}

const char* slotLabelText(const SaveState& state, uint32_t slot) {
    // A label views a whole catalogue string, so it ends in a NUL.
    std::string_view label = slotName(state.session, slot);
    return label.empty() ? "" : label.data();
}

std::string outputPath(const SaveState& state, uint32_t type) {
    return deriveFileRecord(state.output, type)->path;
}

uint32_t outputVersion(const SaveState& state) {
    return state.session.catalogue ? state.session.catalogue->version : 0;
}

}  // namespace kavrin
