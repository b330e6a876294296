#include "texture/extraction_settings.h"

#include "framework/choose_file.h"
#include "framework/file_record.h"
#include "framework/paths.h"

namespace kavrin {

const std::array<const char*, 5> OUTPUT_TYPE_NAMES = {
    "Object WAD (.WAD)", "Raw Image (.raw)",        "Room Editor Texture (.tga)",
    "Sprite WAD (.SWD)", "Truevision Targa (.tga)",
};

const std::array<const char*, 6> BYTE_ORDER_NAMES = {
    "8-bit (Grayscale)", "16-bit (1555)", "24-bit (RGB)",
    "24-bit (BGR)",      "32-bit (ARGB)", "32-bit (BGRA)",
};

void openExtractionSettings(ExtractionSettings& settings) {
    if (settings.setUp) return;
    settings.outputDirectory = currentDirectory();
    settings.setUp = true;
}

ExtractionPanelRows extractionPanelRows(uint32_t inputType, uint32_t outputType) {
    ExtractionPanelRows rows;
    rows.level = inputType == INPUT_LEVEL;
    rows.objectWad = inputType == INPUT_OBJECT_WAD;
    rows.rawImage = inputType == INPUT_RAW_IMAGE;
    rows.noInputOptions = inputType == INPUT_SPRITE_WAD;
    rows.inputTransparency = inputType == INPUT_RAW_IMAGE || inputType == INPUT_TARGA;
    rows.rleCompression = outputType == OUTPUT_TARGA;
    rows.bumpMap = inputType == INPUT_LEVEL && outputType == OUTPUT_ROOM_EDITOR_TEXTURE;
    return rows;
}

bool browseForOutputDirectory(Ui& ui, ExtractionSettings& settings, const std::string& typed) {
    FileRecord location;
    location.directory = typed;
    // One final separator goes, so the picker starts in the folder itself; a root stays a root.
    if (location.directory.size() > 1 && isPathSeparator(location.directory.back())) {
        location.directory.pop_back();
    }
    settings.outputDirectory = location.directory;
    if (!browseForFolder(ui, location, false, "Output Directory")) return false;
    settings.outputDirectory = location.directory;
    return true;
}

}  // namespace kavrin
