#include "level/level_chunks.h"

#include <zlib.h>

#include <new>

#include "framework/bytes.h"
#include "framework/refusal.h"
#include "framework/shown_text.h"
#include "framework/ui.h"

namespace kavrin {

namespace {

// Deflate never packs more than about 1032 bytes into one; a chunk that states more than this
// cannot inflate to its stated size, and is refused before its buffer is allocated.
constexpr uint64_t MAX_INFLATION_RATIO = 1040;
constexpr uint64_t INFLATION_SLACK = 1024;

bool readChunk(Ui& ui, const std::string& path, ByteCursor& in, const char* name,
               LevelChunkStream& chunk) {
    chunk.name = name;
    chunk.sizes.uncompressedSize = in.u32();
    chunk.sizes.compressedSize = in.u32();
    chunk.stream = in.take(chunk.sizes.compressedSize);
    return in.ok() || refuseFile(ui, path, "the file ends inside the %s", name);
}

}  // namespace

bool readLevelFile(Ui& ui, const std::string& path, std::span<const uint8_t> bytes,
                   LevelFile& out) {
    ByteCursor in(bytes);
    if (in.u32() != LEVEL_VERSION) return refuseFile(ui, path, "Unsupported level file.");
    out.roomPageCount = in.u16();
    out.objectPageCount = in.u16();
    out.bumpPageCount = in.u16();
    return readChunk(ui, path, in, "32-bit texture pages", out.pages32) &&
           readChunk(ui, path, in, "16-bit texture pages", out.pages16) &&
           readChunk(ui, path, in, "miscellaneous texture pages", out.miscPages) &&
           readChunk(ui, path, in, "level data", out.levelData);
}

bool inflateLevelChunk(Ui& ui, const std::string& path, LevelChunkStream& chunk,
                       std::vector<uint8_t>& out) {
    const uint32_t stated = chunk.sizes.uncompressedSize;
    if (stated > uint64_t{chunk.sizes.compressedSize} * MAX_INFLATION_RATIO + INFLATION_SLACK) {
        return refuseFile(ui, path, "the %s cannot inflate to the %u bytes the file states",
                          chunk.name, stated);
    }
    try {
        out.reserve(uint64_t{stated} + 1);
        out.resize(stated);
    } catch (const std::bad_alloc&) {
        showMessage(ui, MessageStyle::ErrorOk, "Kavrin",
                    "Could not allocate %d bytes of memory for %s", static_cast<int>(stated),
                    shownPath(path).c_str());
        return false;
    }
    uLongf produced = stated;
    int result = uncompress(out.data(), &produced, chunk.stream.data(), chunk.stream.size());
    if (result != Z_OK) {
        return refuseFile(ui, path, "the %s cannot be inflated (%s)", chunk.name, zError(result));
    }
    if (produced != stated) {
        return refuseFile(ui, path, "the %s inflate to %lu bytes, not the %u the file states",
                          chunk.name, static_cast<unsigned long>(produced), stated);
    }
    chunk.sizes.uncompressedSize = static_cast<uint32_t>(produced);
    return true;
}

}  // namespace kavrin
