// Loading a file of one type the way the program does, and keeping what the test needs to see:
// the result, the parsed contents, the messages shown and the path they name.
#pragma once

#include <any>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/file_record.h"
#include "support/recording_ui.h"

namespace kavrin::test {

// The file's bytes, empty when it cannot be read; a file written whole from text; text as bytes.
std::string readBytes(const std::string& path);
void writeFileText(const std::string& path, const std::string& text);
inline std::span<const uint8_t> textBytes(std::string_view text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// Writes the bytes as a new file of the type; returns its directory and base name.
std::pair<std::string, std::string> writeTemporaryFile(uint32_t type,
                                                       std::span<const uint8_t> bytes);

template <class Contents>
struct ParsedFile {
    bool ok = false;
    bool stored = false;  // whether the record kept contents of this type
    Contents contents{};  // default when it kept none
    std::vector<RecordedMessage> messages;
    std::string path;
};

// The one message of a load that failed, as "title: text" with the file's path shown as "@".
template <class Contents>
std::string refusal(const ParsedFile<Contents>& parsed) {
    if (parsed.ok || parsed.messages.size() != 1)
        return "loaded: " + std::to_string(parsed.ok) +
               ", messages: " + std::to_string(parsed.messages.size());
    std::string shown = parsed.messages[0].title + ": " + parsed.messages[0].text;
    if (size_t at = shown.find(parsed.path); at != std::string::npos)
        shown.replace(at, parsed.path.size(), "@");
    return shown;
}

// Loads the file of `type` with the given directory and base name through loadFile, with a ui of
// its own.
template <class Contents>
ParsedFile<Contents> loadAs(uint32_t type, const std::string& directory, const std::string& name,
                            const ObjectCatalogue* catalogue = nullptr) {
    std::unique_ptr<FileRecord> record = makeFileRecord(type, directory, name);
    RecordingUi rec;
    ParseContext context{rec.ui, catalogue};
    ParsedFile<Contents> parsed;
    parsed.ok = loadFile(*record, context);
    if (const auto* contents = std::any_cast<Contents>(&record->contents)) {
        parsed.stored = true;
        parsed.contents = *contents;
    }
    parsed.messages = rec.messages;
    parsed.path = record->path;
    return parsed;
}

// Writes `bytes` (or text) as a new file of `type`, then loads it.
template <class Contents>
ParsedFile<Contents> parseAs(uint32_t type, std::span<const uint8_t> bytes,
                             const ObjectCatalogue* catalogue = nullptr) {
    auto [directory, name] = writeTemporaryFile(type, bytes);
    return loadAs<Contents>(type, directory, name, catalogue);
}
template <class Contents>
ParsedFile<Contents> parseAs(uint32_t type, std::string_view text,
                             const ObjectCatalogue* catalogue = nullptr) {
    return parseAs<Contents>(type, textBytes(text), catalogue);
}

}  // namespace kavrin::test
