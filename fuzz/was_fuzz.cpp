// .WAS lists of any content, checked against a small catalogue built once from a header.
#include <cstdlib>
#include <string_view>

#include "formats/catalogue.h"
#include "formats/was.h"
#include "framework/file_types.h"
#include "fuzz_support.h"

using namespace kavrin;

namespace {

const ObjectCatalogue& catalogue() {
    static const ObjectCatalogue built = [] {
        constexpr std::string_view header =
            "#define OBJECT_VERSION 129\r\n"
            "enum object_types { LARA, PISTOLS_ANIM, SKY_GRAPHICS, DEFAULT_SPRITES, NUMBER_OBJECTS "
            "};\r\n"
            "enum static_types { PLANT0, NUMBER_STATIC_OBJECTS };\r\n";
        ParseContext context{fuzz::silentUi()};
        FileRecord record = fuzz::recordHolding(
            FILE_OBJECTS_H, reinterpret_cast<const uint8_t*>(header.data()), header.size());
        if (!parseObjectsH(record, context)) std::abort();
        return std::any_cast<ObjectCatalogue>(record.contents);
    }();
    return built;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ParseContext context{fuzz::silentUi(), &catalogue()};
    fuzz::parseBytes(FILE_WAS, data, size, context);
    return 0;
}
