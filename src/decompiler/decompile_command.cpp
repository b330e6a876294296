#include "decompiler/decompile_command.h"

#include <memory>

#include "framework/choose_file.h"
#include "framework/file_record.h"
#include "framework/file_types.h"

namespace kavrin {

namespace {

// Loading a file of either type runs its decompiler.
bool decompileChosenFile(Ui& ui, LanguageStrings& strings, const char* title, uint32_t type) {
    std::unique_ptr<FileRecord> record;
    if (!chooseFile(ui, false, title, type, true, record)) return false;
    ParseContext context{ui, nullptr, &strings};
    bool decompiled = loadFile(*record, context);
    releaseFileRecord(record);
    return decompiled;
}

}  // namespace

void decompileGameScript(Ui& ui, LanguageStrings& strings) {
    if (decompileChosenFile(ui, strings, "Load <language>.dat for Decompile", FILE_LANGUAGE)) {
        decompileChosenFile(ui, strings, "Load Script.dat for Decompile", FILE_SCRIPT);
    }
}

}  // namespace kavrin
