// kavrin-cli decompile: a language file and a script.dat to text, as the Utilities command does.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/console_ui.h"
#include "decompiler/language_strings.h"
#include "framework/file_record.h"
#include "framework/file_types.h"
#include "framework/paths.h"

namespace kavrin::cli {

namespace {

struct DecompileOptions {
    std::string languagePath;
    std::string scriptPath;
};

// Loads the file, which decompiles it; prints the output path on success.
bool decompile(uint32_t type, const std::string& path, ParseContext& context) {
    std::unique_ptr<FileRecord> record = fileRecordForPath(type, path);
    if (!loadFile(*record, context)) return false;
    std::printf("%s\n", record->path.c_str());
    return true;
}

int runDecompile(const DecompileOptions& options) {
    Ui ui = makeConsoleUi({});
    LanguageStrings strings;
    ParseContext context{ui, nullptr, &strings};
    bool done = decompile(FILE_LANGUAGE, options.languagePath, context) &&
                decompile(FILE_SCRIPT, options.scriptPath, context);
    return done ? 0 : 1;
}

}  // namespace

void addDecompileCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<DecompileOptions>();
    CLI::App* command = app.add_subcommand(
        "decompile",
        "Decompile a language file, then a script.dat named with its strings, each into a .txt "
        "file beside it");
    command->add_option("LANGUAGE", options->languagePath, "the language file, e.g. ENGLISH.DAT")
        ->required();
    command->add_option("SCRIPT", options->scriptPath, "the compiled script, e.g. SCRIPT.DAT")
        ->required();
    command->callback([options, &exitCode] { exitCode = runDecompile(*options); });
}

}  // namespace kavrin::cli
