#include "editing/reference_commands.h"

#include <memory>

#include "editing/reference_collection.h"
#include "editing/session.h"
#include "framework/choose_file.h"
#include "framework/file_types.h"

namespace kavrin {

void loadReferenceFile(Session& session) {
    std::unique_ptr<FileRecord> chosen;
    if (!chooseFile(session.ui, false, "Load Reference File", FILE_REFERENCE, true, chosen)) return;
    if (chosen->filterIndex == 1) {
        loadWadSetReference(session, *chosen);
    } else {
        loadLevelReference(session, std::move(chosen));
    }
}

}  // namespace kavrin
