#include "framework/file_output.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include "framework/paths.h"
#include "framework/shown_text.h"
#include "framework/ui.h"

namespace kavrin {

namespace fs = std::filesystem;

namespace {

// Temporaries sit beside their targets, so a rename never crosses devices.
constexpr std::string_view TEMPORARY_SUFFIX = ".kavrin-tmp";
// The commit marker of a set: "<name>.kavrin-commit" in the set's directory.
constexpr std::string_view MARKER_EXTENSION = "kavrin-commit";

FileFault& fileFault() {
    static FileFault fault;
    return fault;
}

int injectedError(FileStep step, const std::string& target) {
    return fileFault() ? fileFault()(step, target) : 0;
}

std::string temporaryOf(const std::string& target) {
    return target + std::string(TEMPORARY_SUFFIX);
}

// Pushes what the system still holds of the file to the disk, so that a rename made after it
// never puts an incomplete file in place, even when the power fails.
bool syncFile(std::FILE* file) {
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

// Makes the directory's entries as they are now (created and renamed files) durable. Windows
// journals them itself.
void syncDirectory([[maybe_unused]] const std::string& directory) {
#ifndef _WIN32
    int descriptor = open(directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0) return;
    fsync(descriptor);
    close(descriptor);
#endif
}

void reportWriteError(Ui& ui, const std::string& target, int error) {
    showMessage(ui, MessageStyle::ErrorOk, "Error Writing File", "Could not write %s: %s.",
                shownPath(target).c_str(), errorText(error).c_str());
}

// Writes the bytes whole under the target's temporary name and syncs them; false after the
// message, with no temporary left.
bool writeTemporary(Ui& ui, const std::string& target, const FileBytes& bytes) {
    const std::string temporary = temporaryOf(target);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        showMessage(ui, MessageStyle::ErrorOk, "Error Opening File",
                    "Could not open %s for writing: %s.", shownPath(target).c_str(),
                    errorText(errno).c_str());
        return false;
    }
    auto failure = [] { return errno != 0 ? errno : EIO; };
    int error = 0;
    for (std::span<const uint8_t> piece : bytes.pieces()) {
        if (!piece.empty() && std::fwrite(piece.data(), 1, piece.size(), file) != piece.size()) {
            error = failure();
            break;
        }
    }
    if (!error) error = injectedError(FileStep::Write, target);
    if (!error && std::fflush(file) != 0) error = failure();
    if (!error && !syncFile(file)) error = failure();
    if (std::fclose(file) != 0 && !error) error = failure();
    if (error) {
        std::error_code ignored;
        fs::remove(fileSystemPath(temporary), ignored);
        reportWriteError(ui, target, error);
        return false;
    }
    return true;
}

// Renames the target's temporary over it; 0, or the error number.
int renameTemporary(const std::string& target) {
    if (int error = injectedError(FileStep::Rename, target)) return error;
    std::error_code error;
    fs::rename(fileSystemPath(temporaryOf(target)), fileSystemPath(target), error);
    return error.value();
}

// Renames the target's temporary over it; false after the message, with the temporary removed.
bool replaceWithTemporary(Ui& ui, const std::string& target) {
    int error = renameTemporary(target);
    if (error == 0) return true;
    std::error_code ignored;
    fs::remove(fileSystemPath(temporaryOf(target)), ignored);
    reportWriteError(ui, target, error);
    return false;
}

std::string markerPath(const std::string& directory, const std::string& name) {
    return utf8Path(fileSystemPath(directory) /
                    fileSystemPath(name + "." + std::string(MARKER_EXTENSION)));
}

std::string directoryOf(const std::string& directory) {
    return directory.empty() ? std::string(".") : resolveExistingPath(directory);
}

// What a directory holds of one set's cut-short write.
struct Leftovers {
    std::string marker;                    // empty: none
    std::vector<std::string> temporaries;  // "<name>.<extension>.kavrin-tmp", marker's included
};

Leftovers findLeftovers(const std::string& directory, const std::string& name) {
    Leftovers found;
    std::error_code error;
    for (fs::directory_iterator entry(fileSystemPath(directory), error), end;
         !error && entry != end; entry.increment(error)) {
        const std::string file = utf8Path(entry->path().filename());
        if (file.size() <= name.size() + 1 || file[name.size()] != '.' ||
            !equalsIgnoringCase(std::string_view(file).substr(0, name.size()), name)) {
            continue;
        }
        std::string_view extension = std::string_view(file).substr(name.size() + 1);
        if (equalsIgnoringCase(extension, MARKER_EXTENSION)) {
            found.marker = utf8Path(entry->path());
        } else if (extension.ends_with(TEMPORARY_SUFFIX) &&
                   extension.find('.') == extension.size() - TEMPORARY_SUFFIX.size()) {
            found.temporaries.push_back(utf8Path(entry->path()));
        }
    }
    return found;
}

// The marker lists the file names of the targets, one a line; anything else is no target of it.
std::vector<std::string> markerTargets(const std::string& marker) {
    std::vector<std::string> targets;
    std::ifstream in(fileSystemPath(marker), std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        bool plainName = !line.empty() && line != "." && line != ".." &&
                         line.find_first_of("/\\") == std::string::npos;
        if (plainName) targets.push_back(line);
    }
    return targets;
}

// Finishes the renames of a committed set; false when one of them still cannot be made.
bool rollForward(const std::string& directory, const std::string& marker) {
    for (const std::string& name : markerTargets(marker)) {
        const std::string target = utf8Path(fileSystemPath(directory) / fileSystemPath(name));
        std::error_code error;
        if (fs::exists(fileSystemPath(temporaryOf(target)), error) && renameTemporary(target) != 0)
            return false;
    }
    syncDirectory(directory);
    std::error_code ignored;
    fs::remove(fileSystemPath(marker), ignored);
    return true;
}

void removeAll(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        std::error_code ignored;
        fs::remove(fileSystemPath(path), ignored);
    }
}

}  // namespace

bool writeFileReplacing(Ui& ui, const std::string& path, const FileBytes& bytes) {
    const std::string target = resolveExistingPath(path);
    return writeTemporary(ui, target, bytes) && replaceWithTemporary(ui, target);
}

FileSetOutput::FileSetOutput(Ui& ui, std::string directory, std::string name)
    : ui(ui), directory(std::move(directory)), name(std::move(name)) {}

FileSetOutput::~FileSetOutput() {
    if (committed) return;
    for (const std::string& target : staged) {
        std::error_code ignored;
        fs::remove(fileSystemPath(temporaryOf(target)), ignored);
    }
}

void settleFileSet(const std::string& directory, const std::string& name) {
    const std::string folder = directoryOf(directory);
    Leftovers leftovers = findLeftovers(folder, name);
    // Temporaries the marker still needs stay until its renames are done.
    if (!leftovers.marker.empty() && !rollForward(folder, leftovers.marker)) return;
    removeAll(leftovers.temporaries);
}

bool stageFile(FileSetOutput& set, const std::string& path, const FileBytes& bytes) {
    const std::string target = resolveExistingPath(path);
    if (!writeTemporary(set.ui, target, bytes)) return false;
    set.staged.push_back(target);
    return true;
}

bool commitFileSet(FileSetOutput& set) {
    const std::string folder = directoryOf(set.directory);
    std::string names;
    for (const std::string& target : set.staged) {
        names += fileNamePart(target);
        names += '\n';
    }
    // From the moment the marker exists, the staged files are the set: every settling finishes
    // their renames, whatever happens to this process.
    const std::string marker = markerPath(folder, set.name);
    if (!writeTemporary(set.ui, marker, names) || !replaceWithTemporary(set.ui, marker)) {
        return false;
    }
    set.committed = true;
    syncDirectory(folder);
    for (const std::string& target : set.staged) {
        if (int error = renameTemporary(target)) {
            reportWriteError(set.ui, target, error);
            return false;
        }
    }
    syncDirectory(folder);
    std::error_code ignored;
    fs::remove(fileSystemPath(marker), ignored);
    return true;
}

void setFileFault(FileFault fault) {
    fileFault() = std::move(fault);
}

}  // namespace kavrin
