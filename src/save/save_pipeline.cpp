#include "save/save_pipeline.h"

#include <memory>

#include "save/output_set.h"
#include "save/save_state.h"
#include "save/texture_packing.h"
#include "editing/session.h"
#include "framework/file_output.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "framework/text_format.h"

namespace kavrin {

namespace {

constexpr int PROGRESS_RANGE = 3360;
constexpr uint32_t WRITE_ORDER[] = {FILE_SAM, FILE_SFX, FILE_SWD, FILE_WAD, FILE_WAS};
constexpr uint32_t TRANSPARENCY_WARNING_TEXTURES = 2048;
constexpr float BYTES_TO_MEGABYTES = 9.5367431640625e-07f;

// The five files are staged in order and replace the old set together. The first one that
// cannot be written stops the save, and the old set stays as it was: a WAD set is only usable
// whole. What an earlier, cut-short save of the set left behind is settled first.
bool writeSet(SaveState& state) {
    settleFileSet(state.output.directory, state.output.name);
    for (uint32_t type : WRITE_ORDER) {
        const FileType& row = fileType(type);
        progressSet(state.session.ui, -1, "Saving %s%s", state.output.name.c_str(), row.extension);
        if (!row.write(state)) return false;
    }
    return commitFileSet(state.files);
}

struct TextureSummary {
    uint32_t objects = 0;
    uint32_t area = 0;
};

void showSummary(Session& session, const FileRecord& output, TextureSummary textures) {
    const uint32_t bytes = textures.area * 4;
    const uint32_t tiles = estimatedTiles(textures.area);
    showMessage(session.ui, MessageStyle::InformationOk, "Wad Saved",
                "%s%c%s%s\n\nThis wad uses %d texture objects.%s\n\nAnd uses %d bytes (%1.2fMB) of "
                "texture memory, approximately %d out of 16 texture tiles.%s",
                output.directory.c_str(), PATH_SEPARATOR, output.name.c_str(),
                fileType(FILE_WAS).extension, static_cast<int>(textures.objects),
                static_cast<int32_t>(textures.objects) >=
                        static_cast<int32_t>(TRANSPARENCY_WARNING_TEXTURES)
                    ? "\nYou may experience transparent objects in the Room Editor (>= 2048)."
                    : "",
                static_cast<int>(bytes), static_cast<double>(bytes * BYTES_TO_MEGABYTES),
                static_cast<int>(tiles),
                tiles > TEXTURE_TILE_BUDGET
                    ? "\n\nThat is more than the 16 texture tiles the Level Editor has room for."
                    : "");
}

}  // namespace

bool saveWadSet(Session& session, const FileRecord& output) {
    Ui& ui = session.ui;
    progressBegin(ui, format("Saving %s Wad...", output.name.c_str()).c_str(), 0, PROGRESS_RANGE, 1,
                  "Initializing");
    auto state = std::make_unique<SaveState>(session, output);
    const bool saved = buildOutputSet(*state, SetBuild::Save) && writeSet(*state);
    const TextureSummary textures{state->outTextures.count(), state->textureArea};
    state.reset();  // takes the temporaries of a failed save with it
    progressEnd(ui);
    if (!saved) return false;

    session.edited.editedWasFile = makeFileRecord(FILE_WAS, output.directory, output.name);
    session.edited.dirty = false;
    updateTitle(session);
    showSummary(session, output, textures);
    return true;
}

}  // namespace kavrin
