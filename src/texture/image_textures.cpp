#include "framework/image_files.h"
#include "framework/refusal.h"
#include "texture/pixel_formats.h"
#include "texture/texture_sources.h"

namespace kavrin {

namespace {

void addImage(TextureImage image, const ExtractionSettings& settings,
              const ExtractionChoices& choices, ExtractedTextures& out) {
    if (choices.inputTransparent) markTransparent(image.rgba, settings.inputTransparency);
    out.sets.push_back({"image", {std::move(image)}, false});
}

}  // namespace

bool readRawImage(Ui& ui, const std::string& path, std::span<const uint8_t> file,
                  const ExtractionSettings& settings, const ExtractionChoices& choices,
                  ExtractedTextures& out) {
    const auto format = static_cast<PixelFormat>(settings.byteOrder);
    const uint64_t pixels = uint64_t{choices.rawWidth} * choices.rawHeight;
    const uint64_t needed = pixels * pixelBytes(format);
    if (file.size() != needed) {
        return refuseFile(
            ui, path, "it holds %zu bytes, but a %u x %u image of %s pixels takes %llu",
            file.size(), choices.rawWidth, choices.rawHeight,
            BYTE_ORDER_NAMES.at(settings.byteOrder), static_cast<unsigned long long>(needed));
    }
    if (pixels > IMAGE_PIXELS_MAX) {
        return refuseFile(ui, path, "a %u x %u image is more than the %llu pixels Kavrin extracts",
                          choices.rawWidth, choices.rawHeight,
                          static_cast<unsigned long long>(IMAGE_PIXELS_MAX));
    }
    TextureImage image{choices.rawWidth, choices.rawHeight, {}};
    decodePixels(format, file, image.rgba);
    addImage(std::move(image), settings, choices, out);
    return true;
}

bool readImageFile(Ui& ui, const std::string& path, std::span<const uint8_t> file,
                   const ExtractionSettings& settings, const ExtractionChoices& choices,
                   ExtractedTextures& out) {
    ImagePixels decoded;
    std::string problem;
    if (!decodeImageFile(file, IMAGE_PIXELS_MAX, decoded, problem)) {
        return refuseFile(ui, path, "it is not a Targa, PNG or BMP image Kavrin can read (%s)",
                          problem.c_str());
    }
    addImage({decoded.width, decoded.height, std::move(decoded.bytes)}, settings, choices, out);
    return true;
}

}  // namespace kavrin
