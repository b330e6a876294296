// The filter field above the reference tree: which entries of the loaded sources it shows.
//
// An entry shows while its catalogue label contains the field's text, letter case aside; a
// source's root shows while any of its entries does. An empty field shows everything.
#pragma once

#include <string_view>
#include <vector>

#include "editing/reference_source.h"
#include "formats/catalogue.h"

namespace kavrin {

bool entryMatchesFilter(const ObjectCatalogue& catalogue, const ObjectEntry& entry,
                        std::string_view text);

// What the tree shows of one source under the filter: its root, and each entry in entry order.
struct FilteredSource {
    bool rootShown = true;
    std::vector<bool> entryShown;
};

FilteredSource filterSource(const ObjectCatalogue& catalogue, const ReferenceSource& source,
                            std::string_view text);

}  // namespace kavrin
