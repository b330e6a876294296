// .WAD files of any content: a file is either refused or read into tables that agree with it.
#include <any>
#include <cstdlib>

#include "formats/wad.h"
#include "framework/file_types.h"
#include "fuzz_support.h"

using namespace kavrin;

namespace {

// What the rest of the system relies on after a successful read.
bool consistent(const ObjectWad& wad) {
    uint64_t meshBytes = 0;
    for (size_t m = 0; m < wad.meshInfos.size(); ++m) {
        if (wad.meshOffsets[m] != meshBytes) return false;
        meshBytes += wad.meshSizes[m];
    }
    return meshBytes == uint64_t{wad.meshWordCount} * 2 &&
           wad.meshOfPointer.size() == wad.meshPointers.size() &&
           wad.moveableAnimEnd.size() == wad.moveables.size() &&
           wad.animOwner.size() == wad.animations.size() &&
           wad.texturePages.size() % TEXTURE_PAGE_BYTES == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ParseContext context{fuzz::silentUi()};
    FileRecord record = fuzz::recordHolding(FILE_WAD, data, size);
    if (parseWad(record, context) &&
        !consistent(*std::any_cast<ObjectWad>(&record.contents))) {
        std::abort();
    }
    return 0;
}
