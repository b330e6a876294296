// Any bytes as a script.dat, named with a few language strings so that string operands hit both
// present and missing entries.
#include "decompiler/language_strings.h"
#include "framework/file_types.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static kavrin::LanguageStrings strings{{"Cambodia, 1984", "Playable Tutorial Level", "Ok\\n"}};
    kavrin::ParseContext context{kavrin::fuzz::silentUi(), nullptr, &strings};
    kavrin::fuzz::parseBytes(kavrin::FILE_SCRIPT, data, size, context);
    return 0;
}
