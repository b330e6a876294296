// Where a command finds the Level Editor's files: objects.h (--trle) and a script's sources
// (--sources).
#pragma once

#include <string>

namespace CLI {
class App;
}

namespace kavrin {
struct Session;
}

namespace kavrin::cli {

struct LevelEditorOptions {
    std::string trle;     // where objects.h is; empty: the usual places
    std::string sources;  // where a script's sources are; empty: graphics/wads of the Level Editor
};

// Adds --trle and, for the commands that read build scripts, --sources.
void addLevelEditorOptions(CLI::App& command, LevelEditorOptions& options, bool withSources);

// Locates objects.h and takes up the sources folder; false after a reported failure.
bool useLevelEditorOptions(Session& session, const LevelEditorOptions& options);

}  // namespace kavrin::cli
