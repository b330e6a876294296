#include "save/save_state.h"
#include "save/writers.h"
#include "formats/wad_file.h"
#include "framework/file_output.h"
#include "framework/file_types.h"

namespace kavrin {

// The sprites were composed, and their sources checked, before the first file was written.
bool writeSwd(SaveState& state) {
    return stageFile(state.files, outputPath(state, FILE_SWD), encodeSwdFile(state.outSprites));
}

}  // namespace kavrin
