#include <algorithm>

#include "formats/catalogue.h"
#include "formats/wad.h"
#include "formats/wad_file.h"
#include "texture/pixel_formats.h"
#include "texture/texture_outputs.h"

namespace kavrin {

namespace {

// WAD pages keep the transparency colour of the format, whatever colour other outputs take.
std::vector<uint8_t> pageBytes(const TextureImage& page) {
    return encodeRgb(page.rgba, MAGENTA);
}

std::vector<uint8_t> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

}  // namespace

bool composeTextureSets(Ui& ui, const ExtractedTextures& textures, ExtractionOutput& out) {
    for (const TextureSet& set : textures.sets) {
        if (!set.pages) return refuseOutputType(ui, textures, OUTPUT_OBJECT_WAD);
        if (set.images.empty()) continue;
        std::vector<uint8_t> pages;
        for (const TextureImage& page : set.images) {
            std::vector<uint8_t> bytes = pageBytes(page);
            pages.insert(pages.end(), bytes.begin(), bytes.end());
        }
        WadFileSections wad;
        wad.version = OBJECT_VERSION;
        wad.texturePages = pages;
        // The other four files of the set hold nothing: no objects, sprites or sounds.
        SpriteWad noSprites{OBJECT_VERSION, {}, std::vector<uint8_t>(TEXTURE_PAGE_BYTES, 0), {}};
        SoundResources noSounds;
        noSounds.soundMap.fill(NO_SOUND);
        const std::string name = setFileStem(textures, set);
        out.files.push_back({name + ".WAD", encodeWadFile(wad)});
        out.files.push_back({name + ".WAS", {}});
        out.files.push_back({name + ".SWD", encodeSwdFile(noSprites)});
        out.files.push_back({name + ".SFX", encodeSfxFile(noSounds)});
        out.files.push_back({name + ".SAM", bytesOf(encodeSamFile({}))});
        out.imageCount += static_cast<uint32_t>(set.images.size());
    }
    return true;
}

bool composeSpriteWad(Ui& ui, const ExtractedTextures& textures, ExtractionOutput& out) {
    for (const TextureSet& set : textures.sets) {
        if (set.pages) return refuseOutputType(ui, textures, OUTPUT_SPRITE_WAD);
        const TextureImage& image = set.images[0];
        if (image.width > TEXTURE_PAGE_SIDE || image.height > TEXTURE_PAGE_SIDE) {
            return refuseOutputType(ui, textures, OUTPUT_SPRITE_WAD);
        }
        // The image in the page's top left corner; the rest of the page is transparent.
        TextureImage page{
            TEXTURE_PAGE_SIDE, TEXTURE_PAGE_SIDE,
            std::vector<uint8_t>(size_t{TEXTURE_PAGE_SIDE} * TEXTURE_PAGE_SIDE * 4, 0)};
        for (uint32_t row = 0; row < image.height; ++row) {
            auto from = image.rgba.begin() + ptrdiff_t{row} * image.width * 4;
            std::copy(from, from + ptrdiff_t{image.width} * 4,
                      page.rgba.begin() + ptrdiff_t{row} * TEXTURE_PAGE_SIDE * 4);
        }
        SpriteWad swd{OBJECT_VERSION, {}, pageBytes(page), {}};
        out.files.push_back({setFileStem(textures, set) + ".SWD", encodeSwdFile(swd)});
        ++out.imageCount;
    }
    return true;
}

}  // namespace kavrin
