// The subcommands of kavrin-cli. Each adds itself to the application and, when it runs, stores
// its exit code: 0 on success, 1 on failure (usage errors are 2, from the parser).
#pragma once

#include <functional>
#include <vector>

namespace CLI {
class App;
}

namespace kavrin::cli {

using CommandRegistration = void (*)(CLI::App& app, int& exitCode);

const std::vector<CommandRegistration>& commands();

// kavrin-cli info PATH [--trle DIR] [--json]
void addInfoCommand(CLI::App& app, int& exitCode);

// kavrin-cli build SCRIPT [--trle DIR] [--sources DIR] [--out DIR] [--yes] [--with-dependencies]
void addBuildCommand(CLI::App& app, int& exitCode);

// kavrin-cli check PATH [--trle DIR] [--sources DIR]
void addCheckCommand(CLI::App& app, int& exitCode);

// kavrin-cli decompile LANGUAGE SCRIPT
void addDecompileCommand(CLI::App& app, int& exitCode);

// kavrin-cli render PATH [--trle DIR] --out DIR [--size N] [--object LABEL] [--sheet FILE.png]
void addRenderCommand(CLI::App& app, int& exitCode);

// kavrin-cli extract PATH --out DIR [--type tga|raw|room|png|wad|swd] [--rle]
//     [--pages 32bit,16bit,misc] [--raw WxH:ORDER] [--bump] [--transparent RRGGBB|none]
//     [--transparent-out RRGGBB] [--yes]
void addExtractCommand(CLI::App& app, int& exitCode);

}  // namespace kavrin::cli
