#include "editing/set_agreement.h"

#include <bitset>
#include <optional>

#include "editing/entries.h"
#include "formats/catalogue.h"
#include "formats/was.h"
#include "framework/shown_text.h"
#include "framework/ui.h"

namespace kavrin {

namespace {

using SlotSet = std::bitset<SLOT_COUNT>;

// The slots the .WAS names; the sprite objects by their exact spelling, as the reader takes them.
SlotSet namedSlots(const ObjectCatalogue& catalogue, const WadScript& script) {
    SlotSet named;
    for (const std::string& label : script.lineLabels) {
        std::optional<uint32_t> slot = label == "SKY_GRAPHICS"      ? SKY_GRAPHICS_SLOT
                                       : label == "DEFAULT_SPRITES" ? DEFAULT_SPRITES_SLOT
                                                                    : findLabel(catalogue, label);
        if (slot) named.set(*slot);
    }
    return named;
}

}  // namespace

void warnOfDisagreement(Ui& ui, const ObjectCatalogue& catalogue, const ReferenceSource& set) {
    const auto* script = set.wasFile ? std::any_cast<WadScript>(&set.wasFile->contents) : nullptr;
    if (!script) return;
    const SlotSet named = namedSlots(catalogue, *script);
    SlotSet held;
    const ObjectEntry* holder[SLOT_COUNT] = {};
    for (const ObjectEntry& entry : set.entries) {
        std::optional<uint32_t> slot = placeableSlot(catalogue, entry);
        if (!slot || held.test(*slot)) continue;
        held.set(*slot);
        holder[*slot] = &entry;
    }
    const SlotSet differing = named ^ held;
    if (differing.none()) return;
    uint32_t slot = 0;
    while (!differing.test(slot))
        ++slot;

    const std::string label(slotLabel(catalogue, slot));
    std::string disagreement;
    if (named.test(slot)) {
        disagreement = "the .WAS names " + label + ", which the .WAD and .SWD do not hold";
    } else {
        const ObjectEntry& entry = *holder[slot];
        const bool sprites = entry.isMoveable && entry.kindIndex >= set.block.moveables.size();
        disagreement = std::string("the ") + (sprites ? ".SWD" : ".WAD") + " holds " + label +
                       ", which the .WAS does not name";
    }
    showMessage(ui, MessageStyle::WarningOk, "Kavrin",
                "The files of the WAD set %s do not agree: %s.\n\nThey may come from different "
                "saves. The set is loaded with the objects its .WAD and .SWD hold.",
                shownPath(set.wasFile->path).c_str(), disagreement.c_str());
}

}  // namespace kavrin
