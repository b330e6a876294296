// kavrin-cli build: Build Wad from Script without a window.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "cli/commands.h"
#include "cli/console_ui.h"
#include "cli/level_editor_options.h"
#include "editing/session.h"
#include "framework/file_record.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "script/build_script.h"

namespace kavrin::cli {

namespace {

struct BuildOptions {
    std::string scriptPath;
    LevelEditorOptions levelEditor;
    std::string out;
    bool yes = false;
    bool withDependencies = false;
};

int runBuild(const BuildOptions& options) {
    Session session;
    session.ui = makeConsoleUi({.answerYes = options.yes});
    if (!useLevelEditorOptions(session, options.levelEditor)) return 1;
    if (!options.out.empty()) {
        std::error_code ignored;  // a directory that cannot be made is reported when written to
        std::filesystem::create_directories(fileSystemPath(options.out), ignored);
        session.wadDirectory = options.out;
    }

    std::unique_ptr<FileRecord> script = fileRecordForPath(FILE_BUILD_SCRIPT, options.scriptPath);
    if (!runBuildScriptFile(session, *script, true, options.withDependencies)) return 1;
    // A successful save names the edited WAD after the set it wrote.
    std::printf("%s\n", session.edited.editedWasFile->path.c_str());
    return 0;
}

}  // namespace

void addBuildCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<BuildOptions>();
    CLI::App* command = app.add_subcommand(
        "build",
        "Build a WAD set from a script (.KVS), as Build Wad from Script does: the set is written "
        "to the WAD directory under the script's base name");
    command->add_option("SCRIPT", options->scriptPath, "The build script, e.g. showcase.KVS")
        ->required();
    addLevelEditorOptions(*command, options->levelEditor, true);
    command->add_option("--out", options->out,
                        "Where the set is written (default: graphics/wads of the Level Editor "
                        "directory); made when missing");
    command->add_flag("--yes", options->yes, "Replace a set of the same name that is there");
    command->add_flag("--with-dependencies", options->withDependencies,
                      "Add, each in its own slot, the objects that the script's objects need "
                      "from their sources and the script lacks");
    command->callback([options, &exitCode] { exitCode = runBuild(*options); });
}

}  // namespace kavrin::cli
