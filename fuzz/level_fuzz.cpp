// Fuzzes the level reader from the outer file: version, chunk sizes and zlib streams.
#include "fuzz_support.h"

#include "framework/file_types.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kavrin::ParseContext context{kavrin::fuzz::silentUi()};
    kavrin::fuzz::parseBytes(kavrin::FILE_LEVEL, data, size, context);
    return 0;
}
