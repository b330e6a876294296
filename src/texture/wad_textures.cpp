#include "formats/swd.h"
#include "formats/wad.h"
#include "framework/refusal.h"
#include "texture/pixel_formats.h"
#include "texture/texture_sources.h"

namespace kavrin {

namespace {

// A WAD's pages mark transparent pixels with the colour red 255, green 0, blue 255.
std::vector<TextureImage> wadPages(std::span<const uint8_t> bytes) {
    std::vector<TextureImage> pages = decodePages(PixelFormat::Rgb24, bytes);
    for (TextureImage& page : pages)
        markTransparent(page.rgba, MAGENTA);
    return pages;
}

}  // namespace

void readObjectWadTextures(const std::string& fileName, const ObjectWad& wad,
                           const ExtractionChoices& choices, ExtractedTextures& out) {
    if (choices.roomTextures)
        out.note = fileName + " holds no room textures, only object textures.";
    if (choices.objectTextures) out.sets.push_back({"objects", wadPages(wad.texturePages)});
}

bool readSpriteWadTextures(Ui& ui, const std::string& path, const SpriteWad& swd,
                           ExtractedTextures& out) {
    if (swd.page.size() % TEXTURE_PAGE_BYTES != 0) {
        return refuseFile(ui, path, "its sprite page data is %zu bytes, not whole pages of %u",
                          swd.page.size(), TEXTURE_PAGE_BYTES);
    }
    out.sets.push_back({"sprites", wadPages(swd.page)});
    return true;
}

}  // namespace kavrin
