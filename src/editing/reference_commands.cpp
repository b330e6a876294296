#include "editing/reference_commands.h"

#include "editing/edited_wad_commands.h"
#include "editing/reference_collection.h"
#include "editing/session.h"
#include "framework/choose_file.h"
#include "framework/file_types.h"

namespace kavrin {

void loadReference(Session& session, std::unique_ptr<FileRecord> record, uint32_t kind) {
    if (ReferenceSource* listed = findListedSource(session, kind, *record)) {
        return selectEntry(session, listed->rootEntry);
    }
    if (kind == REF_WAD_SET) {
        loadWadSetReference(session, *record);
    } else {
        loadLevelReference(session, std::move(record));
    }
}

void loadReferenceFile(Session& session) {
    std::unique_ptr<FileRecord> chosen;
    if (!chooseFile(session.ui, false, "Load Reference File", FILE_REFERENCE, true, chosen)) return;
    uint32_t kind = chosen->filterIndex == 1 ? REF_WAD_SET : REF_LEVEL;
    loadReference(session, std::move(chosen), kind);
}

void activateTreeItem(Session& session, bool doubleClick) {
    const ObjectEntry* entry = session.selectedEntry;
    if (doubleClick && entry && entry->index < 0) return;
    add(session);
}

}  // namespace kavrin
