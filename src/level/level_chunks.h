// The outer layout of a compiled level (.tr4): the version word, the page counts and four zlib
// chunks (32-bit pages, 16-bit pages, miscellaneous pages, level data). Loading a level inflates
// the 32-bit pages and the level data; extracting textures inflates the page chunks it needs.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kavrin {

struct Ui;

inline constexpr uint32_t LEVEL_VERSION = 0x00345254;          // "TR4" and a zero byte
inline constexpr uint32_t LEVEL_PAGE_BYTES = 256 * 256 * 4;    // blue, green, red, alpha
inline constexpr uint32_t LEVEL_PAGE16_BYTES = 256 * 256 * 2;  // ARGB 1555 words

// A zlib chunk of the outer file. After inflation, `uncompressedSize` is the number of bytes
// inflation produced.
struct LevelChunk {
    uint32_t uncompressedSize = 0;
    uint32_t compressedSize = 0;
};

struct LevelChunkStream {
    const char* name = "";  // for messages: "the file ends inside the <name>"
    LevelChunk sizes;
    std::span<const uint8_t> stream;  // the compressed bytes, inside the file
};

struct LevelFile {
    uint16_t roomPageCount = 0;
    uint16_t objectPageCount = 0;
    uint16_t bumpPageCount = 0;
    LevelChunkStream pages32;
    LevelChunkStream pages16;
    LevelChunkStream miscPages;
    LevelChunkStream levelData;
};

// Reads the version, the page counts and where each chunk's stream lies. A wrong version is
// refused with "Unsupported level file."; a file that ends inside a chunk with one message naming
// `path` and the chunk.
bool readLevelFile(Ui& ui, const std::string& path, std::span<const uint8_t> bytes, LevelFile& out);

// Inflates the chunk into exactly its stated size (with capacity for one more byte, which lets the
// level data carry the NUL that ends a file record's buffer). A stream that does not inflate to
// that size is refused with one message naming `path`.
bool inflateLevelChunk(Ui& ui, const std::string& path, LevelChunkStream& chunk,
                       std::vector<uint8_t>& out);

}  // namespace kavrin
