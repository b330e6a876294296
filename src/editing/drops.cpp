#include "editing/drops.h"

#include "editing/edited_wad_commands.h"
#include "editing/reference_commands.h"
#include "editing/rows.h"
#include "editing/session.h"
#include "framework/file_types.h"
#include "framework/paths.h"

namespace kavrin {

void dropEntry(Session& session, const ObjectEntry& entry, std::optional<size_t> row) {
    EditedWad& edited = session.edited;
    session.selectedEntry = &entry;
    std::optional<uint32_t> own = entrySlot(session, entry);
    bool ontoAnotherSlot =
        row && *row < edited.rows.size() && entry.index >= 0 && edited.rows[*row] != own;
    if (!ontoAnotherSlot) return add(session);
    edited.selectedRow = static_cast<int32_t>(*row);
    showRowSelected(session.view, *row);
    replace(session);
}

uint32_t droppedFileKind(std::string_view path) {
    std::string_view name = fileNamePart(path);
    size_t dot = name.rfind('.');
    std::string_view extension = dot == std::string_view::npos ? "" : name.substr(dot);
    if (equalsIgnoringCase(extension, fileType(FILE_WAS).extension)) return REF_WAD_SET;
    if (equalsIgnoringCase(extension, fileType(FILE_LEVEL_REFERENCE).extension)) return REF_LEVEL;
    return 0;
}

void loadDroppedFiles(Session& session, const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        uint32_t kind = droppedFileKind(path);
        if (kind == 0) continue;
        uint32_t type = kind == REF_WAD_SET ? FILE_WAS : FILE_LEVEL_REFERENCE;
        loadReference(session, fileRecordForPath(type, path), kind);
    }
}

}  // namespace kavrin
