#include "editing/reference_filter.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "editing/entries.h"

namespace kavrin {

namespace {

bool containsIgnoringCase(std::string_view text, std::string_view part) {
    auto same = [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); };
    return std::search(text.begin(), text.end(), part.begin(), part.end(), same) != text.end();
}

}  // namespace

bool entryMatchesFilter(const ObjectCatalogue& catalogue, const ObjectEntry& entry,
                        std::string_view text) {
    if (text.empty()) return true;
    // An entry without a slot has no label to find it by.
    std::optional<uint32_t> slot = placeableSlot(catalogue, entry);
    return slot && containsIgnoringCase(slotLabel(catalogue, *slot), text);
}

FilteredSource filterSource(const ObjectCatalogue& catalogue, const ReferenceSource& source,
                            std::string_view text) {
    FilteredSource shown;
    shown.entryShown.reserve(source.entries.size());
    for (const ObjectEntry& entry : source.entries)
        shown.entryShown.push_back(entryMatchesFilter(catalogue, entry, text));
    shown.rootShown = text.empty() || std::find(shown.entryShown.begin(), shown.entryShown.end(),
                                                true) != shown.entryShown.end();
    return shown;
}

}  // namespace kavrin
