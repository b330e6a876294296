// .SWD files of any content.
#include "framework/file_types.h"
#include "fuzz_support.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ParseContext context{fuzz::silentUi()};
    fuzz::parseBytes(FILE_SWD, data, size, context);
    return 0;
}
