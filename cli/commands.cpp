#include "cli/commands.h"

namespace kavrin::cli {

const std::vector<CommandRegistration>& commands() {
    static const std::vector<CommandRegistration> all = {
        addInfoCommand,
        addBuildCommand,
        addCheckCommand,
        addDecompileCommand,
        addRenderCommand,
        addExtractCommand,
    };
    return all;
}

}  // namespace kavrin::cli
