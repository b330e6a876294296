// Fuzzes the walk over inflated level data, which random bytes seldom reach through zlib, and
// converts every level the walk accepts: the conversion relies on what the reader checked.
#include "fuzz_support.h"

#include "level/level_conversion.h"
#include "level/level_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kavrin::Ui& ui = kavrin::fuzz::silentUi();
    kavrin::LevelRecord level;
    if (kavrin::parseLevelData(ui, "fuzz", {data, size}, level)) {
        kavrin::ConvertedLevel converted;
        kavrin::convertLevel(ui, level, converted);
    }
    return 0;
}
