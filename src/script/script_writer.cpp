#include "script/script_writer.h"

#include <memory>
#include <vector>

#include "editing/session.h"
#include "framework/choose_file.h"
#include "framework/file_output.h"
#include "framework/file_types.h"
#include "framework/text_format.h"
#include "framework/text_lines.h"
#include "script/script_line.h"

namespace kavrin {

std::string scriptText(std::span<const ScriptObject> objects) {
    std::string text;
    appendLine(text, format("%s%d", "KVS V", SCRIPT_VERSION));
    for (const ScriptObject& object : objects) {
        appendLine(text, format("%d:%s:%d:%s", static_cast<int>(object.slot),
                                object.kind == REF_WAD_SET ? "WAD" : "TR4",
                                static_cast<int>(object.sourceSlot), object.sourceName.c_str()));
    }
    return text;
}

bool saveBuildScript(Session& session) {
    std::unique_ptr<FileRecord> record;
    if (!chooseFile(session.ui, true, "Save Script", FILE_BUILD_SCRIPT, true, record)) return false;
    deriveFileRecordInPlace(*record, FILE_BUILD_SCRIPT);

    const EditedWad& edited = session.edited;
    std::vector<ScriptObject> objects;
    for (uint32_t slot = 0; slot < SLOT_COUNT; ++slot) {
        if (const ObjectEntry* entry = edited.slotTable[slot]) {
            objects.push_back(
                {slot, entry->owner->kind, edited.sourceSlot[slot], edited.sourceName[slot]});
        }
    }
    return writeFileReplacing(session.ui, record->path, scriptText(objects));
}

}  // namespace kavrin
