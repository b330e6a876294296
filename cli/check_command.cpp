// kavrin-cli check: Check Wad without a window, for a build script or a WAD set.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/console_ui.h"
#include "cli/level_editor_options.h"
#include "editing/edited_wad_commands.h"
#include "editing/reference_collection.h"
#include "editing/session.h"
#include "framework/file_record.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "framework/text_format.h"
#include "save/wad_check.h"
#include "script/build_script.h"

namespace kavrin::cli {

namespace {

struct CheckOptions {
    std::string path;
    LevelEditorOptions levelEditor;
};

bool isScriptPath(const std::string& path) {
    std::string_view name = fileNamePart(path);
    return name.size() > 4 && equalsIgnoringCase(name.substr(name.size() - 4), ".kvs");
}

// Fills the edited WAD as Load Script, or Open Wad for Editing, would.
bool loadEditedWad(Session& session, const std::string& path) {
    if (isScriptPath(path)) {
        return runBuildScriptFile(session, *fileRecordForPath(FILE_BUILD_SCRIPT, path), false);
    }
    std::unique_ptr<ReferenceSource> set =
        loadUnlinkedWadSet(session, *fileRecordForPath(FILE_WAS, path));
    if (!set) return false;
    session.edited.editedSource = std::move(set);
    placeEntries(session, *session.edited.editedSource, 0, -1);
    return true;
}

int runCheck(const CheckOptions& options) {
    Session session;
    session.ui = makeConsoleUi({});
    if (!useLevelEditorOptions(session, options.levelEditor)) return 1;
    if (!loadEditedWad(session, options.path)) return 1;
    const WadCheck check = checkWad(session);
    std::printf("%s\n", wadCheckReport(check).c_str());
    return check.findings.empty() ? 0 : 1;
}

}  // namespace

void addCheckCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<CheckOptions>();
    CLI::App* command = app.add_subcommand(
        "check",
        "List at once everything a build script (.KVS) or a WAD set lacks to save well: the "
        "objects its objects need from their sources, and every limit its set would pass. Exit "
        "1 when anything is listed");
    command->add_option("PATH", options->path, "A build script, or a file of a WAD set")
        ->required();
    addLevelEditorOptions(*command, options->levelEditor, true);
    command->callback([options, &exitCode] { exitCode = runCheck(*options); });
}

}  // namespace kavrin::cli
