// objects.h headers of any content: the reader must never crash, and whatever catalogue it builds
// must find every label it indexed.
#include <cstdlib>

#include "formats/catalogue.h"
#include "framework/file_types.h"
#include "fuzz_support.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ParseContext context{fuzz::silentUi()};
    FileRecord record = fuzz::recordHolding(FILE_OBJECTS_H, data, size);
    if (!parseObjectsH(record, context)) return 0;
    const auto& catalogue = std::any_cast<const ObjectCatalogue&>(record.contents);
    for (const LabelIndexEntry& entry : catalogue.index) {
        std::optional<uint32_t> slot = findLabel(catalogue, entry.label);
        // Labels may repeat, so the slot found need only carry an equal label.
        if (!slot || compareLabels(entry, {std::string(slotLabel(catalogue, *slot)), 0}) != 0) {
            std::abort();
        }
    }
    return 0;
}
