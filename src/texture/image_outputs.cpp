#include "framework/image_files.h"
#include "framework/ui.h"
#include "texture/pixel_formats.h"
#include "texture/texture_outputs.h"

namespace kavrin {

bool composeImageFiles(Ui& ui, const ExtractedTextures& textures, uint32_t outputType, bool rle,
                       Colour transparent, ExtractionOutput& out) {
    const ImageFileType type = outputType == OUTPUT_PNG ? ImageFileType::Png
                               : rle                    ? ImageFileType::TargaRle
                                                        : ImageFileType::Targa;
    const char* extension = outputType == OUTPUT_RAW_IMAGE ? ".raw"
                            : outputType == OUTPUT_PNG     ? ".png"
                                                           : ".tga";
    for (const TextureSet& set : textures.sets) {
        for (size_t i = 0; i < set.images.size(); ++i) {
            const TextureImage& image = set.images[i];
            OutputFile file{imageFileStem(textures, set, i) + extension, {}};
            if (outputType == OUTPUT_RAW_IMAGE) {
                file.bytes = encodeRgb(image.rgba, transparent);
            } else {
                file.bytes = encodeImageFile(
                    type, {image.width, image.height, 4, encodeRgba(image.rgba, transparent)});
                if (file.bytes.empty()) {
                    showMessage(ui, MessageStyle::ErrorOk, "Kavrin",
                                "%s cannot be written: a Targa image is at most %u pixels wide "
                                "and high, and this one is %u x %u.",
                                file.name.c_str(), TARGA_SIDE_MAX, image.width, image.height);
                    return false;
                }
            }
            out.files.push_back(std::move(file));
            ++out.imageCount;
        }
    }
    return true;
}

}  // namespace kavrin
