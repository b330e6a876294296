#include <algorithm>

#include "formats/wad.h"
#include "framework/image_files.h"
#include "framework/ui.h"
#include "texture/pixel_formats.h"
#include "texture/texture_outputs.h"

namespace kavrin {

namespace {

// The images stacked from the top down into one 24-bit Targa.
bool stackImages(Ui& ui, std::span<const TextureImage> images, Colour transparent,
                 OutputFile& file) {
    ImagePixels stacked{TEXTURE_PAGE_SIDE, 0, 3, {}};
    for (const TextureImage& image : images) {
        std::vector<uint8_t> rgb = encodeRgb(image.rgba, transparent);
        stacked.bytes.insert(stacked.bytes.end(), rgb.begin(), rgb.end());
        stacked.height += image.height;
    }
    file.bytes = encodeImageFile(ImageFileType::Targa, stacked);
    if (file.bytes.empty()) {
        showMessage(ui, MessageStyle::ErrorOk, "Kavrin",
                    "%s cannot be written: a Targa image is at most %u pixels high, and %zu "
                    "pages stacked are %u.",
                    file.name.c_str(), TARGA_SIDE_MAX, images.size(), stacked.height);
    }
    return !file.bytes.empty();
}

}  // namespace

bool composeRoomTextures(Ui& ui, const ExtractedTextures& textures, Colour transparent,
                         ExtractionOutput& out) {
    for (const TextureSet& set : textures.sets) {
        const size_t count = std::min<size_t>(set.roomPageCount, set.images.size());
        if (count == 0) continue;
        if (!set.pages && set.images[0].width != TEXTURE_PAGE_SIDE) {
            return refuseOutputType(ui, textures, OUTPUT_ROOM_EDITOR_TEXTURE);
        }
        OutputFile file{setFileStem(textures, set) + "-room.tga", {}};
        if (!stackImages(ui, std::span(set.images).first(count), transparent, file)) return false;
        out.files.push_back(std::move(file));
        out.imageCount += static_cast<uint32_t>(count);
    }
    if (!textures.bumpPages.empty()) {
        // The bump pages go with the room texture of the 32-bit pages, whose chunk holds them.
        OutputFile file{textures.inputName + "-32bit-room.TBM", {}};
        if (!stackImages(ui, textures.bumpPages, transparent, file)) return false;
        out.files.push_back(std::move(file));
        out.imageCount += static_cast<uint32_t>(textures.bumpPages.size());
    }
    return true;
}

}  // namespace kavrin
