// Loading a file of one type the way the program does, and keeping what the test needs to see:
// the result, the parsed contents, the messages shown and the path they name.
#pragma once

#include <any>
#include <string>
#include <string_view>
#include <vector>

#include "framework/file_record.h"
#include "support/recording_ui.h"

namespace kavrin::test {

std::string readBytes(const std::string& path);
// The directory of the files below, and a new file of `type` there; returns its base name.
std::string temporaryFileDirectory();
std::string writeTemporaryFile(uint32_t type, std::string_view bytes);

template <class Contents>
struct ParsedFile {
    bool ok = false;
    Contents contents{};  // default when the parse stored none
    std::vector<RecordedMessage> messages;
    std::string path;
};

// Loads the file of `type` with the given directory and base name through loadFile.
template <class Contents>
ParsedFile<Contents> loadAs(uint32_t type, const std::string& directory, const std::string& name,
                            const ObjectCatalogue* catalogue = nullptr) {
    RecordingUi rec;
    ParseContext context{rec.ui, catalogue};
    auto record = makeFileRecord(type, directory, name);
    ParsedFile<Contents> parsed;
    parsed.ok = loadFile(*record, context);
    if (const auto* contents = std::any_cast<Contents>(&record->contents))
        parsed.contents = *contents;
    parsed.messages = rec.messages;
    parsed.path = record->path;
    return parsed;
}

// Writes `bytes` as a new file of `type` in a temporary directory, then loads it with loadAs.
template <class Contents>
ParsedFile<Contents> parseAs(uint32_t type, std::string_view bytes,
                             const ObjectCatalogue* catalogue = nullptr) {
    std::string name = writeTemporaryFile(type, bytes);
    return loadAs<Contents>(type, temporaryFileDirectory(), name, catalogue);
}

}  // namespace kavrin::test
