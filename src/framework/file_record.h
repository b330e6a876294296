// File records: every file the system reads or writes is described by one.
//
// A record names its file type, the directory and base name it was chosen under and the path built
// from them; once loaded it holds the file's bytes and the contents its type's parse built.
#pragma once

#include <any>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kavrin {

struct Ui;
struct ObjectCatalogue;
struct LanguageStrings;

struct FileRecord {
    uint32_t type = 0;
    uint32_t filterIndex = 0;  // 1-based filter chosen in the file dialog; 0 otherwise
    std::string path;
    std::string directory;  // without a trailing separator
    std::string name;       // base name without extension
    uint32_t size = 0;
    std::vector<uint8_t> buffer;  // size + 1 bytes once loaded, the last one a NUL
    std::any contents;            // what the type's parse built; empty until parsed

    bool loaded() const { return !buffer.empty(); }
    std::span<const uint8_t> bytes() const { return {buffer.data(), size}; }
    std::string_view text() const {
        return {reinterpret_cast<const char*>(buffer.data()), size};
    }
};

// What a parse operation may need besides its record.
struct ParseContext {
    Ui& ui;
    const ObjectCatalogue* catalogue = nullptr;      // the object catalogue, once loaded
    LanguageStrings* languageStrings = nullptr;      // shared by the two decompilers
};

// Appends `part` with one separator between them (none is added when either side has one).
void joinPath(std::string& path, std::string_view part);
// Appends the extension unless the last path component already holds a dot; true when appended.
bool appendExtension(std::string& path, std::string_view extension);

// A record of `type` for the directory and name, its path completed by the type's extension.
std::unique_ptr<FileRecord> makeFileRecord(uint32_t type, std::string_view directory,
                                           std::string_view name);
// A new record of another type for the same directory and name; `extension` overrides the type's.
std::unique_ptr<FileRecord> deriveFileRecord(const FileRecord& source, uint32_t type,
                                             std::string_view extension = {});
// The same, reusing the record itself: its bytes and contents stay as they are.
void deriveFileRecordInPlace(FileRecord& record, uint32_t type, std::string_view extension = {});

// A record of `type` for a file named by its full path, split as a file dialog's answer is: the
// directory before the last separator ("." when there is none), the base name up to the last dot.
// The path is kept as given.
std::unique_ptr<FileRecord> fileRecordForPath(uint32_t type, std::string_view path);

// Reads the file at the record's path whole and calls its type's parse; false after a message.
bool loadFile(FileRecord& record, ParseContext& context);

// Frees the record with its bytes and contents; accepts an empty pointer. One release serves every
// file type: a record owns its contents.
bool releaseFileRecord(std::unique_ptr<FileRecord>& record);

}  // namespace kavrin
