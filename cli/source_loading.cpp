#include "cli/source_loading.h"

#include "editing/reference_collection.h"
#include "editing/session.h"
#include "framework/file_types.h"
#include "framework/paths.h"

namespace kavrin::cli {

namespace {

bool isLevelPath(const std::string& path) {
    std::string_view name = fileNamePart(path);
    return name.size() > 4 && equalsIgnoringCase(name.substr(name.size() - 4), ".tr4");
}

}  // namespace

LoadedSource loadSourceAt(Session& session, const std::string& path) {
    LoadedSource loaded;
    if (isLevelPath(path)) {
        loaded.source = loadLevelReference(session, fileRecordForPath(FILE_LEVEL_REFERENCE, path));
    } else {
        loaded.wadSet = loadUnlinkedWadSet(session, *fileRecordForPath(FILE_WAS, path));
        loaded.source = loaded.wadSet.get();
    }
    return loaded;
}

}  // namespace kavrin::cli
