#include "framework/file_output.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "framework/paths.h"
#include "framework/ui.h"

namespace kavrin {

namespace {

// The temporary file sits in the target's own directory, so the rename never crosses devices.
std::string temporaryPathBeside(const std::string& path) { return path + ".kavrin-tmp"; }

}  // namespace

bool writeFileReplacing(Ui& ui, const std::string& path,
                        std::span<const std::span<const uint8_t>> pieces) {
    std::string target = resolveExistingPath(path);
    std::string temporary = temporaryPathBeside(target);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        showMessage(ui, MessageStyle::ErrorOk, "Error Opening File", "Could not open %s for writing: %d.",
                    path.c_str(), errno);
        return false;
    }
    bool written = true;
    int writeError = 0;
    for (std::span<const uint8_t> piece : pieces) {
        if (!piece.empty() && std::fwrite(piece.data(), 1, piece.size(), file) != piece.size()) {
            written = false;
            writeError = errno;
            break;
        }
    }
    if (std::fflush(file) != 0 && written) {
        written = false;
        writeError = errno;
    }
    if (std::fclose(file) != 0 && written) {
        written = false;
        writeError = errno;
    }
    std::error_code renameError;
    if (written) std::filesystem::rename(fileSystemPath(temporary), fileSystemPath(target), renameError);
    if (!written || renameError) {
        std::error_code ignored;
        std::filesystem::remove(fileSystemPath(temporary), ignored);
        showMessage(ui, MessageStyle::ErrorOk, "Error Writing File", "Could not write %s: %d.",
                    path.c_str(), written ? renameError.value() : writeError);
        return false;
    }
    return true;
}

bool writeFileReplacing(Ui& ui, const std::string& path, std::span<const uint8_t> bytes) {
    return writeFileReplacing(ui, path, std::span<const std::span<const uint8_t>>(&bytes, 1));
}

bool writeFileReplacing(Ui& ui, const std::string& path, std::string_view text) {
    return writeFileReplacing(
        ui, path, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace kavrin
