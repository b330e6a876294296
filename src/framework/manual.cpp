#include "framework/manual.h"

#include <filesystem>
#include <optional>

#include "framework/launch.h"
#include "framework/paths.h"
#include "framework/program_info.h"
#include "framework/ui.h"

namespace kavrin {

namespace {

namespace fs = std::filesystem;

// The build system says where the manual goes, relative to the programs' folder once installed
// and as a full path in the build tree.
constexpr const char* INSTALLED_MANUAL = KAVRIN_INSTALLED_MANUAL;
constexpr const char* BUILT_MANUAL = KAVRIN_BUILT_MANUAL;

}  // namespace

std::string manualPath(const std::string& programDirectory) {
    fs::path installed = (fs::path(programDirectory) / INSTALLED_MANUAL).lexically_normal();
    installed.make_preferred();
    if (pathExists(installed.string()) || !pathExists(BUILT_MANUAL)) return installed.string();
    return fs::path(BUILT_MANUAL).make_preferred().string();
}

void showOnlineHelp(Ui& ui, const std::string& programDirectory) {
    std::string manual = manualPath(programDirectory);
    std::optional<std::string> failure;
    if (!pathExists(manual)) {
        failure = launchErrorText(LAUNCH_FILE_NOT_FOUND);
    } else if (ui.port.launch) {
        failure = ui.port.launch(manual);
    }
    if (!failure) return;
    showMessage(ui, MessageStyle::ErrorOk, PROGRAM_NAME,
                "Could not open your web browser:\n%s\n\n%s on-line help is at:\n%s",
                failure->c_str(), PROGRAM_NAME, manual.c_str());
}

}  // namespace kavrin
