#include "framework/file_record.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <new>
#include <system_error>

#include "framework/file_types.h"
#include "framework/paths.h"
#include "framework/shown_text.h"
#include "framework/ui.h"

namespace kavrin {

void joinPath(std::string& path, std::string_view part) {
    bool pathEnds = !path.empty() && isPathSeparator(path.back());
    bool partStarts = !part.empty() && isPathSeparator(part.front());
    if (!pathEnds && !partStarts) path += PATH_SEPARATOR;
    path += part;
}

bool appendExtension(std::string& path, std::string_view extension) {
    for (size_t i = path.size(); i > 0; --i) {
        char c = path[i - 1];
        if (c == '.') return false;
        if (isPathSeparator(c)) break;
    }
    path += extension;
    return true;
}

namespace {

void rebuildPath(FileRecord& record, uint32_t type, std::string_view extension) {
    record.type = type;
    record.filterIndex = 0;
    record.path = record.directory;
    joinPath(record.path, record.name);
    const char* typeExtension = fileType(type).extension;
    if (extension.empty() && typeExtension) extension = typeExtension;
    appendExtension(record.path, extension);
}

}  // namespace

std::unique_ptr<FileRecord> makeFileRecord(uint32_t type, std::string_view directory,
                                           std::string_view name) {
    auto record = std::make_unique<FileRecord>();
    record->directory = directory;
    record->name = name;
    rebuildPath(*record, type, {});
    return record;
}

std::unique_ptr<FileRecord> deriveFileRecord(const FileRecord& source, uint32_t type,
                                             std::string_view extension) {
    auto record = std::make_unique<FileRecord>();
    record->directory = source.directory;
    record->name = source.name;
    rebuildPath(*record, type, extension);
    return record;
}

void deriveFileRecordInPlace(FileRecord& record, uint32_t type, std::string_view extension) {
    rebuildPath(record, type, extension);
}

std::unique_ptr<FileRecord> fileRecordForPath(uint32_t type, std::string_view path) {
    auto record = std::make_unique<FileRecord>();
    record->type = type;
    record->path = path;
    std::string_view fileName = fileNamePart(path);
    record->directory = fileName.size() == path.size() ? "." : std::string(directoryPart(path));
    record->name = fileName.substr(0, fileName.rfind('.'));
    return record;
}

namespace {

// Reads the whole file into the record; false after a message.
bool readWholeFile(FileRecord& record, Ui& ui) {
    const std::string path = shownPath(record.path);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        showMessage(ui, MessageStyle::ErrorOk, "Kavrin", "Unable to open %s for reading: %s",
                    path.c_str(), errorText(errno).c_str());
        return false;
    }
    // In 64 bits on every platform (a long has 32 on Windows); a record holds at most 4 GB - 2.
    std::error_code sizeError;
    std::uintmax_t size = std::filesystem::file_size(fileSystemPath(path), sizeError);
    if (sizeError || size >= UINT32_MAX) {
        showMessage(ui, MessageStyle::ErrorOk, "Kavrin", "Could not determine size of %s: %s",
                    path.c_str(), errorText(sizeError ? sizeError.value() : EFBIG).c_str());
        std::fclose(file);
        return false;
    }
    record.size = static_cast<uint32_t>(size);
    try {
        record.buffer.assign(record.size + 1, 0);
    } catch (const std::bad_alloc&) {
        showMessage(ui, MessageStyle::ErrorOk, "Kavrin",
                    "Could not allocate %d bytes of memory for %s", static_cast<int>(record.size),
                    path.c_str());
        std::fclose(file);
        return false;
    }
    size_t read = std::fread(record.buffer.data(), 1, record.size, file);
    bool failed = read != record.size;
    if (failed && std::ferror(file)) {
        showMessage(ui, MessageStyle::ErrorOk, "Kavrin", "Error reading %s: %s", path.c_str(),
                    errorText(errno).c_str());
    } else if (failed) {
        showMessage(ui, MessageStyle::ErrorOk, "Kavrin",
                    "Could not read all of %s, only %d bytes out of %d", path.c_str(),
                    static_cast<int>(read), static_cast<int>(record.size));
    }
    std::fclose(file);
    if (failed) {
        record.buffer.clear();
        record.buffer.shrink_to_fit();
        return false;
    }
    return true;
}

}  // namespace

bool loadFile(FileRecord& record, ParseContext& context) {
    if (!readWholeFile(record, context.ui)) return false;
    ParseOperation parse = fileType(record.type).parse;
    return parse ? parse(record, context) : true;
}

bool releaseFileRecord(std::unique_ptr<FileRecord>& record) {
    record.reset();
    return true;
}

}  // namespace kavrin
