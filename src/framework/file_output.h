// Writing files without ever leaving a half-written file, or a half-written set of files, behind.
//
// A file is first written whole under a temporary name beside its target (the target's name with
// ".kavrin-tmp" added) and flushed to the disk; only then is it renamed over the target. A set of
// files (a WAD set: files sharing a directory and a base name) is replaced all or nothing: every
// file is written under its temporary name first; then a commit marker naming the targets is
// written, the temporaries are renamed over the targets one right after the other, and the marker
// is removed. When a write of a set is cut short (a failure, or the process killed), the next
// save or load of the set settles what it left: with the marker there, the new set was complete
// and the remaining renames are finished; without it, the temporaries are removed and the old set
// stands as it was.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kavrin {

struct Ui;

// The bytes of one file: whole, as text, or as pieces written one after the other.
class FileBytes {
public:
    FileBytes(std::span<const uint8_t> bytes) : whole_(bytes), pieces_(&whole_, 1) {}
    FileBytes(const std::vector<uint8_t>& bytes) : FileBytes(std::span<const uint8_t>(bytes)) {}
    FileBytes(std::string_view text)
        : FileBytes(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())) {}
    FileBytes(const std::string& text) : FileBytes(std::string_view(text)) {}
    FileBytes(std::span<const std::span<const uint8_t>> pieces) : pieces_(pieces) {}
    FileBytes(const std::vector<std::span<const uint8_t>>& pieces) : pieces_(std::span(pieces)) {}
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;

    std::span<const std::span<const uint8_t>> pieces() const { return pieces_; }

private:
    std::span<const uint8_t> whole_;
    std::span<const std::span<const uint8_t>> pieces_;
};

// Writes `bytes` to `path`, replacing any file there only once the new one is complete. A file
// that cannot be created is reported with "Error Opening File", a failed write (a full disk, say)
// with "Error Writing File". False after the message; any earlier file at the path is then whole.
bool writeFileReplacing(Ui& ui, const std::string& path, const FileBytes& bytes);

// One replacement of a set's files. Files are staged one by one, then committed together; a set
// that is destroyed uncommitted takes its temporaries with it.
struct FileSetOutput {
    FileSetOutput(Ui& ui, std::string directory, std::string name);
    ~FileSetOutput();
    FileSetOutput(const FileSetOutput&) = delete;
    FileSetOutput& operator=(const FileSetOutput&) = delete;

    Ui& ui;
    std::string directory;
    std::string name;
    std::vector<std::string> staged;  // targets whose temporaries are written, in order
    bool committed = false;           // the marker is written: the temporaries are the new set
};

// Finishes or undoes what a cut-short write of the set named by `directory` and `name` left
// there (see above). Silent: what it cannot settle now (a read-only folder, say) it leaves for
// the next time.
void settleFileSet(const std::string& directory, const std::string& name);

// Writes one file of the set under its temporary name; false after the message.
bool stageFile(FileSetOutput& set, const std::string& path, const FileBytes& bytes);

// Puts the staged files in place of the old ones; false after a message naming the file that
// could not be replaced (the set is then finished by the next settleFileSet).
bool commitFileSet(FileSetOutput& set);

// For tests, which cannot fill a disk or lock a folder against root: before each temporary is
// written and before each is renamed over its target, the hook (when set) is asked about the
// target; a nonzero answer is taken as the error number with which that step failed.
enum class FileStep { Write, Rename };
using FileFault = std::function<int(FileStep step, const std::string& target)>;
void setFileFault(FileFault fault);

}  // namespace kavrin
