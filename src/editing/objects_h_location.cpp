#include "editing/objects_h_location.h"

#include <cstdlib>

#include "editing/parsed_contents.h"
#include "editing/session.h"
#include "framework/choose_file.h"
#include "framework/file_types.h"
#include "framework/paths.h"

namespace kavrin {

std::string defaultTrleDirectory() {
#ifdef _WIN32
    return "C:\\Program Files\\Core Design\\trle";
#else
    const char* home = std::getenv("HOME");
    std::string directory = home ? home : "";
    for (const char* part : {".wine", "drive_c", "Program Files", "Core Design", "trle"}) {
        joinPath(directory, part);
    }
    return directory;
#endif
}

bool locateObjectsH(Session& session, const std::string* directory) {
    std::unique_ptr<FileRecord> record =
        makeFileRecord(FILE_OBJECTS_H, directory ? *directory : defaultTrleDirectory(), "objects");
    if (!pathExists(record->path)) {
        showMessage(session.ui, MessageStyle::WarningOk, "Kavrin: Unable to locate objects.h",
                    "Kavrin needs to read the file objects.h that is distributed with the level "
                    "editor before you can edit Wads.\nYou will now be prompted to select the "
                    "directory where you installed the level editor.");
        if (!browseForFolder(session.ui, *record, true,
                             "Tomb Raider Level Editor Directory\nLocation of objects.h")) {
            return false;
        }
        deriveFileRecordInPlace(*record, FILE_OBJECTS_H);
    }
    ParseContext context = session.parseContext();
    if (!loadFile(*record, context)) return false;
    const auto* catalogue = parsedContents<ObjectCatalogue>(session.ui, record);
    if (!catalogue) return false;

    session.objectsH = std::move(record);
    session.catalogue = catalogue;
    std::string wads = session.objectsH->directory;
    joinPath(wads, "graphics");
    joinPath(wads, "wads");
    session.wadDirectory = wads;
    session.sourceDirectory = wads;
    FileRecord& edited = *session.edited.editedWasFile;
    edited.directory = wads;
    deriveFileRecordInPlace(edited, FILE_WAS);
    return true;
}

}  // namespace kavrin
