#include "texture/texture_outputs.h"

#include "framework/text_format.h"
#include "framework/ui.h"

namespace kavrin {

bool composeOutput(Ui& ui, const ExtractedTextures& textures, const ExtractionSettings& settings,
                   const ExtractionChoices& choices, ExtractionOutput& out) {
    switch (settings.outputType) {
        case OUTPUT_OBJECT_WAD:
            return composeTextureSets(ui, textures, out);
        case OUTPUT_SPRITE_WAD:
            return composeSpriteWad(ui, textures, out);
        case OUTPUT_ROOM_EDITOR_TEXTURE:
            return composeRoomTextures(ui, textures, settings.outputTransparency, out);
        default:
            return composeImageFiles(ui, textures, settings.outputType, choices.rleCompression,
                                     settings.outputTransparency, out);
    }
}

bool refuseOutputType(Ui& ui, const ExtractedTextures& textures, uint32_t outputType) {
    showMessage(ui, MessageStyle::ErrorOk, "Kavrin",
                "A %s cannot be made from %s.\n\nA Sprite WAD (.SWD) is made from a raw or Targa "
                "image of at most 256 x 256 pixels; an Object WAD (.WAD) from the pages of a "
                "level, an object WAD or a sprite WAD; a Room Editor Texture (.tga) from those "
                "pages or from an image 256 pixels wide. Truevision Targa (.tga) and Raw Image "
                "(.raw) are made from every input.",
                OUTPUT_TYPE_NAMES.at(outputType), textures.inputFileName.c_str());
    return false;
}

std::string setFileStem(const ExtractedTextures& textures, const TextureSet& set) {
    return textures.inputName + "-" + set.name;
}

std::string imageFileStem(const ExtractedTextures& textures, const TextureSet& set, size_t image) {
    if (!set.pages) return setFileStem(textures, set);
    return format("%s-%02zu", setFileStem(textures, set).c_str(), image);
}

}  // namespace kavrin
