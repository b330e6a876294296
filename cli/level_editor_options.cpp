#include "cli/level_editor_options.h"

#include <CLI/CLI.hpp>

#include "editing/objects_h_location.h"
#include "editing/session.h"

namespace kavrin::cli {

void addLevelEditorOptions(CLI::App& command, LevelEditorOptions& options, bool withSources) {
    command.add_option("--trle", options.trle, "The Level Editor directory (where objects.h is)");
    if (!withSources) return;
    command.add_option("--sources", options.sources,
                       "Where the script's sources are (default: graphics/wads of the Level "
                       "Editor directory)");
}

bool useLevelEditorOptions(Session& session, const LevelEditorOptions& options) {
    if (!locateObjectsH(session, options.trle.empty() ? nullptr : &options.trle)) return false;
    if (!options.sources.empty()) session.sourceDirectory = options.sources;
    return true;
}

}  // namespace kavrin::cli
