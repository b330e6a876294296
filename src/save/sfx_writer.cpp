#include "save/save_state.h"
#include "save/writers.h"
#include "editing/session.h"
#include "formats/wad_file.h"
#include "framework/file_output.h"
#include "framework/file_types.h"

namespace kavrin {

bool writeSfx(SaveState& state) {
    return writeFileReplacing(state.session.ui, outputPath(state, FILE_SFX),
                              encodeSfxFile(state.outSounds));
}

}  // namespace kavrin
