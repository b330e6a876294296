#include "save/save_state.h"
#include "save/writers.h"
#include "formats/wad_file.h"
#include "framework/file_output.h"
#include "framework/file_types.h"

namespace kavrin {

bool writeSam(SaveState& state) {
    return stageFile(state.files, outputPath(state, FILE_SAM), encodeSamFile(state.outSampleNames));
}

}  // namespace kavrin
