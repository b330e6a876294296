// Sources made in the test: a WAD set's parsed contents with just the objects that matter, turned
// into entries the way a loaded set is.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editing/reference_source.h"
#include "formats/catalogue.h"

namespace kavrin {
struct Ui;
}

namespace kavrin::test {

struct SetObjects {
    std::vector<uint32_t> moveables = {};        // object ids
    std::vector<uint32_t> spriteSequences = {};  // slots
    std::vector<uint32_t> statics = {};          // static numbers
};

// A WAD-set source named `name` whose five records hold contents with these objects (and nothing
// else), its entries and block made by buildEntryTable.
std::unique_ptr<ReferenceSource> madeWadSet(Ui& ui, const std::string& name,
                                            const SetObjects& objects);

// A catalogue that labels every slot: "OBJECT_<slot>" and "STATIC_<number>", with the labels the
// Level Editor gives slots 0, 460, 463 and 464, indexed for label lookups.
ObjectCatalogue labelledCatalogue();

}  // namespace kavrin::test
