#include "editing/edited_wad_commands.h"

#include <algorithm>
#include <optional>
#include <string>

#include "editing/categories.h"
#include "editing/dependencies.h"
#include "editing/rows.h"
#include "editing/session.h"

namespace kavrin {

namespace {

std::string label(const Session& session, uint32_t slot) {
    return std::string(slotName(session, slot));
}

bool isRoot(const ObjectEntry& entry) {
    return entry.index < 0;
}

// Asks before an occupied slot gets another object: the one coming from `incomingSlot` of the
// file `incomingFile`.
bool confirmOverwrite(Session& session, uint32_t slot, uint32_t incomingSlot,
                      const std::string& incomingFile) {
    const EditedWad& edited = session.edited;
    return showMessage(session.ui, MessageStyle::QuestionYesNo, "Confirm overwrite",
                       "The %s object already exists in the new wad as %s from the %s file.\n\n"
                       "Are you sure you want to replace it with %s from the %s file?",
                       label(session, slot).c_str(),
                       label(session, edited.sourceSlot[slot]).c_str(),
                       edited.sourceFile[slot].c_str(), label(session, incomingSlot).c_str(),
                       incomingFile.c_str()) == Button::Yes;
}

// When the object, about to go into `slot`, needs moveables the edited WAD lacks: asks once
// whether to add them too, and places them in their own slots on Yes.
void offerDependencies(Session& session, const ObjectEntry& object, uint32_t slot) {
    ObjectNeeds needs = missingDependencies(session.edited, object, slot);
    // One whose own slot is the object's cannot be placed beside it.
    std::erase_if(needs.needed,
                  [&](const ObjectEntry* needed) { return entrySlot(session, *needed) == slot; });
    if (needs.needed.empty()) return;
    if (showMessage(session.ui, MessageStyle::QuestionYesNo, "Kavrin", "%s %s",
                    needsText(session, needs).c_str(),
                    needs.needed.size() == 1 ? "Add it too?" : "Add them too?") == Button::Yes) {
        placeInOwnSlots(session, needs.needed);
    }
}

void occupy(EditedWad& edited, uint32_t slot, const ObjectEntry& entry) {
    if (!edited.slotTable[slot]) ++edited.occupiedCount;
    edited.slotTable[slot] = &entry;
    edited.sourceName[slot] = entry.owner->name;
    edited.sourceFile[slot] = entry.owner->fileName;
    edited.sourceSlot[slot] = entry.slot;
}

}  // namespace

const char* replaceRefusal(uint32_t slot, uint32_t incomingSlot, bool incomingIsMoveable) {
    if (slot >= FIRST_STATIC_SLOT && incomingIsMoveable) {
        return "Replacing static objects with moveables is not supported yet.";
    }
    if (slot < FIRST_STATIC_SLOT && !incomingIsMoveable) {
        return "Replacing moveables with static objects is not supported yet.";
    }
    if ((slot == SKY_GRAPHICS_SLOT) != (incomingSlot == SKY_GRAPHICS_SLOT)) {
        return "You can only replace SKY_GRAPHICS with other SKY_GRAPHICS.";
    }
    if ((slot == DEFAULT_SPRITES_SLOT) != (incomingSlot == DEFAULT_SPRITES_SLOT)) {
        return "You can only replace DEFAULT_SPRITES with other DEFAULT_SPRITES.";
    }
    return nullptr;
}

void add(Session& session) {
    const ObjectEntry* entry = session.selectedEntry;
    if (!entry || !entry->owner) return beep(session.ui);
    ReferenceSource& source = *entry->owner;
    if (isRoot(*entry)) {
        // One question for the whole source; the overwrite option does not apply.
        if (showMessage(session.ui, MessageStyle::QuestionYesNo, "Confirm adding an entire Wad",
                        "Are you sure you want to add all the objects in the %s file?",
                        source.fileName.c_str()) != Button::Yes) {
            return;
        }
        return placeEntries(session, source, 0, -1);
    }
    std::optional<uint32_t> slot = entrySlot(session, *entry);
    if (!slot) return beep(session.ui);
    if (session.edited.slotTable[*slot] && session.edited.confirmOverwriting &&
        !confirmOverwrite(session, *slot, *slot, source.fileName)) {
        return;
    }
    offerDependencies(session, *entry, *slot);
    placeEntries(session, source, entry->index, entry->index);
}

void replace(Session& session) {
    EditedWad& edited = session.edited;
    std::optional<uint32_t> slot = selectedSlot(edited);
    const ObjectEntry* entry = session.selectedEntry;
    if (!slot || !entry || !entry->owner || isRoot(*entry)) return beep(session.ui);
    std::optional<uint32_t> incomingSlot = entrySlot(session, *entry);
    if (!incomingSlot || slotName(session, *slot).empty()) return beep(session.ui);

    if (const char* refusal = replaceRefusal(*slot, *incomingSlot, entry->isMoveable != 0)) {
        showMessage(session.ui, MessageStyle::ErrorOk, "Kavrin", "%s", refusal);
        return;
    }
    // Replace always asks: it may put an object into another object's slot.
    const std::string& file = entry->owner->fileName;
    bool confirmed =
        edited.slotTable[*slot]
            ? confirmOverwrite(session, *slot, *incomingSlot, file)
            : showMessage(session.ui, MessageStyle::QuestionYesNo, "Confirm Object Replace",
                          "Are you sure you want to replace %s with %s from the %s file?",
                          label(session, *slot).c_str(), label(session, *incomingSlot).c_str(),
                          file.c_str()) == Button::Yes;
    if (!confirmed) return;
    offerDependencies(session, *entry, *slot);
    placeEntryAt(session, *slot, *entry);
}

void deleteObject(Session& session) {
    EditedWad& edited = session.edited;
    std::optional<uint32_t> slot = selectedSlot(edited);
    if (!slot || !edited.slotTable[*slot]) return beep(session.ui);
    if (edited.confirmDeletions &&
        showMessage(session.ui, MessageStyle::QuestionYesNo, "Confirm Object Delete",
                    "Are you sure you want to delete %s?",
                    label(session, *slot).c_str()) != Button::Yes) {
        return;
    }
    edited.slotTable[*slot] = nullptr;
    --edited.occupiedCount;
    edited.dirty = true;
    showRowChanged(session.view, static_cast<size_t>(edited.selectedRow));
    showEditedWadChanged(session.view);
}

void placeEntries(Session& session, ReferenceSource& source, int32_t first, int32_t last) {
    EditedWad& edited = session.edited;
    int32_t count = static_cast<int32_t>(source.objectCount());
    if (last < 0 || last >= count) last = count - 1;
    if (first < 0) first = 0;

    showRedraw(session.view, false);
    std::optional<size_t> firstRow;
    bool skipped = false;
    for (int32_t i = first; i <= last; ++i) {
        const ObjectEntry& entry = source.entries[static_cast<size_t>(i)];
        std::optional<uint32_t> slot = entrySlot(session, entry);
        if (!slot) {
            skipped = true;
            continue;
        }
        // A later entry for the same slot replaces an earlier one.
        occupy(edited, *slot, entry);
        if (std::optional<size_t> row = findRow(edited, *slot)) {
            showRowChanged(session.view, *row);
            if (!firstRow) firstRow = row;
        }
    }
    if (firstRow) {
        edited.selectedRow = static_cast<int32_t>(*firstRow);
        showRowSelected(session.view, *firstRow);
    }
    showRedraw(session.view, true);
    edited.dirty = true;
    showEditedWadChanged(session.view);
    if (skipped) beep(session.ui);
}

void placeEntryAt(Session& session, uint32_t slot, const ObjectEntry& entry) {
    occupy(session.edited, slot, entry);
    session.edited.dirty = true;
    if (std::optional<size_t> row = findRow(session.edited, slot))
        showRowChanged(session.view, *row);
    showEditedWadChanged(session.view);
}

void placeInOwnSlots(Session& session, const std::vector<const ObjectEntry*>& entries) {
    const EditedWad& edited = session.edited;
    for (const ObjectEntry* entry : entries) {
        std::optional<uint32_t> slot = entrySlot(session, *entry);
        if (!slot || (edited.slotTable[*slot] && edited.confirmOverwriting &&
                      !confirmOverwrite(session, *slot, entry->slot, entry->owner->fileName))) {
            continue;
        }
        placeEntryAt(session, *slot, *entry);
    }
}

void addMissingDependencies(Session& session) {
    std::vector<const ObjectEntry*> needed;
    for (const ObjectNeeds& needs : missingDependencies(session.edited)) {
        for (const ObjectEntry* entry : needs.needed) {
            if (std::find(needed.begin(), needed.end(), entry) == needed.end()) {
                needed.push_back(entry);
            }
        }
    }
    placeInOwnSlots(session, needed);
}

void clearEditedWad(Session& session) {
    EditedWad& edited = session.edited;
    showRedraw(session.view, false);
    edited.slotTable.fill(nullptr);
    showRowsRebuilt(session.view);
    showRedraw(session.view, true);
    edited.occupiedCount = 0;
    edited.dirty = false;
    showEditedWadChanged(session.view);
}

void setCategoryFilter(Session& session, uint32_t category) {
    EditedWad& edited = session.edited;
    if (category >= CATEGORY_COUNT || category == edited.categoryFilter) return;
    edited.categoryFilter = category;
    edited.sortCode = 2;
    showRedraw(session.view, false);
    fillRows(edited);
    showRowsRebuilt(session.view);
    showRedraw(session.view, true);
}

bool toggleConfirmDeletions(Session& session) {
    return session.edited.confirmDeletions = !session.edited.confirmDeletions;
}

bool toggleConfirmOverwriting(Session& session) {
    return session.edited.confirmOverwriting = !session.edited.confirmOverwriting;
}

}  // namespace kavrin
