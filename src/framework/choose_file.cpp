#include "framework/choose_file.h"

#include <optional>
#include <string>

#include "framework/file_record.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "framework/ui.h"

namespace kavrin {

bool chooseFile(Ui& ui, bool save, const char* title, uint32_t type, bool strict,
                std::unique_ptr<FileRecord>& out) {
    if (!ui.port.chooseFile) return false;
    FileDialogRequest request;
    request.save = save;
    const char* shownTitle = title ? title : fileType(type).dialogTitle;
    request.title = shownTitle ? shownTitle : "";
    request.type = type;
    request.strict = strict;
    std::optional<FileChoice> choice = ui.port.chooseFile(request);
    if (!choice || choice->path.empty()) return false;

    std::unique_ptr<FileRecord> record = fileRecordForPath(type, choice->path);
    record->filterIndex = choice->filterIndex;
    out = std::move(record);
    return true;
}

bool browseForFolder(Ui& ui, FileRecord& record, bool checkFile, const char* prompt) {
    if (!ui.port.browseForFolder) return false;
    FolderRequest request;
    request.prompt = prompt;
    // A folder that is not there (a Level Editor never installed) starts the picker in the nearest
    // one above it.
    std::string start = record.directory.empty() ? currentDirectory() : record.directory;
    request.startDirectory = nearestExistingFolder(start);
    if (request.startDirectory.empty()) request.startDirectory = currentDirectory();
    if (checkFile) {
        std::string wanted = record.name;
        const char* extension = fileType(record.type).extension;
        if (extension) appendExtension(wanted, extension);
        request.okEnabled = [wanted](const std::string& folder) {
            std::string path = folder;
            joinPath(path, wanted);
            return pathExists(path);
        };
    }
    std::optional<std::string> folder = ui.port.browseForFolder(request);
    if (!folder) return false;
    record.directory = *folder;
    return true;
}

}  // namespace kavrin
