#include "editing/context_menus.h"

#include <optional>

#include "editing/edited_wad_commands.h"
#include "editing/reference_collection.h"
#include "editing/reference_commands.h"
#include "editing/rows.h"
#include "editing/session.h"
#include "framework/text_format.h"

namespace kavrin {

namespace {

std::string label(const Session& session, uint32_t slot) {
    return std::string(slotName(session, slot));
}

// A file name in a menu text: a '&' in it is shown, not taken for the access key.
std::string shown(const std::string& name) {
    std::string text;
    for (char c : name) {
        if (c == '&') text += '&';
        text += c;
    }
    return text;
}

// The commands that place the selected entry: Add, which puts it into its own slot, and Replace,
// which puts it into the selected row's slot when that slot takes it without a refusal. On a row
// of the list, Add is offered only for the entry's own slot, the one it would go to.
void addPlacing(const Session& session, bool onRow, std::vector<ContextMenuItem>& items) {
    const ObjectEntry* entry = session.selectedEntry;
    if (!entry || !entry->owner) return;
    if (entry->index < 0) {
        if (!onRow) {
            items.push_back({ContextCommand::Add, format("&Add Every Object of %s",
                                                         shown(entry->owner->fileName).c_str())});
        }
        return;
    }
    std::optional<uint32_t> own = entrySlot(session, *entry);
    if (!own) return;
    std::string ownLabel = label(session, *own);
    std::optional<uint32_t> row = selectedSlot(session.edited);
    if (!onRow || row == own) {
        items.push_back({ContextCommand::Add, format("&Add %s", ownLabel.c_str())});
    }
    if (row && *row != *own && !label(session, *row).empty() &&
        !replaceRefusal(*row, *own, entry->isMoveable != 0)) {
        items.push_back(
            {ContextCommand::Replace,
             format("&Replace %s with %s", label(session, *row).c_str(), ownLabel.c_str())});
    }
}

}  // namespace

std::vector<ContextMenuItem> treeContextMenu(const Session& session, bool onItem) {
    std::vector<ContextMenuItem> items;
    if (onItem) {
        addPlacing(session, false, items);
    } else {
        items.push_back({ContextCommand::LoadReferenceFile, "Load &Reference File..."});
    }
    return items;
}

std::vector<ContextMenuItem> listContextMenu(const Session& session) {
    std::vector<ContextMenuItem> items;
    addPlacing(session, true, items);
    std::optional<uint32_t> slot = selectedSlot(session.edited);
    const ObjectEntry* occupant = slot ? session.edited.slotTable[*slot] : nullptr;
    if (!occupant) return items;
    items.push_back({ContextCommand::Delete, format("&Delete %s", label(session, *slot).c_str())});
    // The set opened for editing is not in the tree; its objects have nowhere to be shown.
    if (occupant->treeItem) {
        items.push_back({ContextCommand::ShowSource,
                         format("&Show in %s", shown(occupant->owner->fileName).c_str())});
    }
    return items;
}

void runContextCommand(Session& session, ContextCommand command) {
    switch (command) {
        case ContextCommand::Add:
            return add(session);
        case ContextCommand::Replace:
            return replace(session);
        case ContextCommand::Delete:
            return deleteObject(session);
        case ContextCommand::ShowSource: {
            std::optional<uint32_t> slot = selectedSlot(session.edited);
            const ObjectEntry* occupant = slot ? session.edited.slotTable[*slot] : nullptr;
            if (occupant) selectEntry(session, *occupant);
            return;
        }
        case ContextCommand::LoadReferenceFile:
            return loadReferenceFile(session);
    }
}

}  // namespace kavrin
