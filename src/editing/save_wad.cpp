#include "editing/save_wad.h"

#include <array>

#include "save/save_pipeline.h"
#include "editing/session.h"
#include "framework/choose_file.h"
#include "framework/file_types.h"
#include "framework/paths.h"

namespace kavrin {

namespace {

// The WADs that come with the Level Editor; saving over one would lose it.
constexpr std::array<const char*, 12> DISTRIBUTED_WAD_NAMES = {
    "angkor", "catacomb", "city",    "cleopal", "coastal", "guard",
    "karnak", "library",  "newcity", "settomb", "title",   "tut1",
};

const char* distributedName(const std::string& name) {
    for (const char* distributed : DISTRIBUTED_WAD_NAMES) {
        if (equalsIgnoringCase(name, distributed)) return distributed;
    }
    return nullptr;
}

}  // namespace

bool saveWad(Session& session, bool saveAs) {
    const FileRecord& edited = *session.edited.editedWasFile;
    for (;;) {
        std::unique_ptr<FileRecord> output =
            makeFileRecord(FILE_WAS, edited.directory, edited.name);
        if ((saveAs || output->name.empty()) &&
            !chooseFile(session.ui, true, "Save Wad As", FILE_WAS, true, output)) {
            return false;
        }
        if (const char* distributed = distributedName(output->name)) {
            Button answer = showMessage(
                session.ui, MessageStyle::WarningYesNoCancel, "Kavrin",
                "You are attempting to save the wad as %s,\nwhich is name of one of the wads "
                "distributed with the Level Editor.\n\nAre you sure you want to save using this "
                "filename?\n",
                distributed);
            if (answer == Button::No) {
                saveAs = true;
                continue;
            }
            if (answer != Button::Yes) return false;
        }
        return saveWadSet(session, *output);
    }
}

}  // namespace kavrin
