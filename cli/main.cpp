// kavrin-cli: Kavrin's jobs without a window, as subcommands.
#include <CLI/CLI.hpp>

#include "cli/commands.h"
#include "cli/console_ui.h"
#include "cli/terminal.h"

int main(int argc, char** argv) {
    kavrin::cli::useUtf8Console();
    CLI::App app{"Kavrin: builds Tomb Raider Level Editor WAD sets from pieces of others"};
    app.require_subcommand(1);
    // Arguments such as /levels/set.KVS are paths: options keep their dashes on Windows too.
    app.allow_windows_style_options(false);
    int exitCode = 0;
    for (const kavrin::cli::CommandRegistration& registration : kavrin::cli::commands()) {
        registration(app, exitCode);
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return e.get_exit_code() == 0 ? 0 : 2;
    }
    // Any error shown means the job did not fully succeed, even where the command went on.
    return exitCode == 0 && kavrin::cli::consoleShowedError() ? 1 : exitCode;
}
