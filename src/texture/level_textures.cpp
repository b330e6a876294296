#include <algorithm>
#include <cstddef>

#include "framework/paths.h"
#include "framework/refusal.h"
#include "level/level_chunks.h"
#include "texture/pixel_formats.h"
#include "texture/texture_sources.h"

namespace kavrin {

namespace {

// A chunk's pages; false after a message when it does not inflate or holds part of a page.
bool readPages(Ui& ui, const std::string& path, LevelChunkStream& chunk, PixelFormat format,
               uint32_t pageBytes, std::vector<TextureImage>& pages) {
    std::vector<uint8_t> bytes;
    if (!inflateLevelChunk(ui, path, chunk, bytes)) return false;
    if (bytes.size() % pageBytes != 0) {
        return refuseFile(ui, path, "the %s hold %zu bytes, not whole pages of %u", chunk.name,
                          bytes.size(), pageBytes);
    }
    pages = decodePages(format, bytes);
    return true;
}

}  // namespace

bool readLevelTextures(Ui& ui, const std::string& path, std::span<const uint8_t> file,
                       const ExtractionChoices& choices, ExtractedTextures& out) {
    LevelFile level;
    if (!readLevelFile(ui, path, file, level)) return false;
    const bool bump = choices.bumpMap && level.bumpPageCount != 0;
    const struct {
        bool chosen;
        LevelChunkStream& chunk;
        const char* name;
        PixelFormat format;
        uint32_t pageBytes;
    } sets[] = {
        {choices.pages32 || bump, level.pages32, "32bit", PixelFormat::Bgra32, LEVEL_PAGE_BYTES},
        {choices.pages16, level.pages16, "16bit", PixelFormat::Argb1555, LEVEL_PAGE16_BYTES},
        {choices.miscPages, level.miscPages, "misc", PixelFormat::Bgra32, LEVEL_PAGE_BYTES},
    };
    for (const auto& set : sets) {
        if (!set.chosen) continue;
        std::vector<TextureImage> pages;
        if (!readPages(ui, path, set.chunk, set.format, set.pageBytes, pages)) return false;
        if (&set.chunk == &level.pages32 && bump) {
            const size_t first =
                std::min<size_t>(level.roomPageCount + level.objectPageCount, pages.size());
            out.bumpPages.assign(pages.begin() + static_cast<ptrdiff_t>(first), pages.end());
            if (!choices.pages32) continue;
        }
        // The misc chunk holds no room pages.
        const uint32_t roomPages =
            &set.chunk == &level.miscPages
                ? 0
                : std::min<uint32_t>(level.roomPageCount, static_cast<uint32_t>(pages.size()));
        out.sets.push_back({set.name, std::move(pages), true, roomPages});
    }
    if (choices.bumpMap && out.bumpPages.empty()) {
        out.note =
            std::string(fileNamePart(path)) + " has no bump map pages: no .TBM file was written.";
    }
    return true;
}

}  // namespace kavrin
