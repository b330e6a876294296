#include "support/load_bytes.h"

#include <gtest/gtest.h>

#include "framework/file_types.h"
#include "support/synthetic_wad.h"
#include "support/test_data.h"

namespace kavrin::test {

LoadedFile loadBytes(uint32_t type, const std::string& name, std::span<const uint8_t> bytes,
                     ParseContext& context) {
    LoadedFile file;
    file.record = makeFileRecord(type, makeTempDirectory("load-bytes"), name);
    EXPECT_TRUE(writeBytes(file.record->path, bytes)) << "cannot write " << file.record->path;
    file.loaded = loadFile(*file.record, context);
    return file;
}

bool parseCut(const FileRecord& whole, size_t length, ParseContext& context) {
    FileRecord cut;
    cut.type = whole.type;
    cut.path = whole.path;
    cut.directory = whole.directory;
    cut.name = whole.name;
    cut.size = static_cast<uint32_t>(length);
    cut.buffer.assign(whole.buffer.begin(), whole.buffer.begin() + static_cast<ptrdiff_t>(length));
    cut.buffer.push_back(0);
    return fileType(cut.type).parse(cut, context);
}

}  // namespace kavrin::test
