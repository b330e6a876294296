// The choices of the texture extraction panel: what it offers, which of its rows a choice shows,
// and the settings it keeps from one opening to the next for the rest of the run.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kavrin {

struct Ui;

// Input types are the 1-based filters of the texture source file type.
enum : uint32_t {
    INPUT_LEVEL = 1,
    INPUT_OBJECT_WAD = 2,
    INPUT_RAW_IMAGE = 3,
    INPUT_SPRITE_WAD = 4,
    INPUT_TARGA = 5,
};

// Output types are the entries of the "File of Type:" box.
enum : uint32_t {
    OUTPUT_OBJECT_WAD = 0,
    OUTPUT_RAW_IMAGE = 1,
    OUTPUT_ROOM_EDITOR_TEXTURE = 2,
    OUTPUT_SPRITE_WAD = 3,
    OUTPUT_TARGA = 4,
    OUTPUT_PNG = 5,  // offered by kavrin-cli only
};

extern const std::array<const char*, 5> OUTPUT_TYPE_NAMES;
extern const std::array<const char*, 6> BYTE_ORDER_NAMES;

// The range of a raw image's width and height.
inline constexpr int RAW_SIZE_MIN = 1;
inline constexpr int RAW_SIZE_MAX = 0x7FFFF;

// A colour as the system stores it: red in the low byte, then green, then blue.
using Colour = uint32_t;
inline constexpr Colour makeColour(uint8_t red, uint8_t green, uint8_t blue) {
    return red | (green << 8) | (static_cast<uint32_t>(blue) << 16);
}
inline constexpr uint8_t colourRed(Colour colour) {
    return colour & 0xFF;
}
inline constexpr uint8_t colourGreen(Colour colour) {
    return (colour >> 8) & 0xFF;
}
inline constexpr uint8_t colourBlue(Colour colour) {
    return (colour >> 16) & 0xFF;
}
inline constexpr Colour MAGENTA = makeColour(0xFF, 0x00, 0xFF);

struct ExtractionSettings {
    bool setUp = false;  // the output directory is taken at the first opening
    uint32_t inputType = INPUT_LEVEL;
    uint32_t outputType = OUTPUT_OBJECT_WAD;
    uint32_t byteOrder = 0;
    Colour inputTransparency = MAGENTA;
    Colour outputTransparency = MAGENTA;
    std::array<Colour, 16> customColours = {MAGENTA};
    std::string outputDirectory;
};

// The panel's boxes and sizes, which every opening sets afresh.
struct ExtractionChoices {
    bool pages32 = true;    // "32 bit Texture"
    bool pages16 = true;    // "16 bit Texture"
    bool miscPages = true;  // "Miscellaneous Texture"
    bool roomTextures = true;
    bool objectTextures = true;
    uint32_t rawWidth = 1;
    uint32_t rawHeight = 1;
    bool inputTransparent = true;  // the input transparency colour marks transparent pixels
    bool rleCompression = false;
    bool bumpMap = false;  // "Output Bumpmap File (.TBM)"
};

// Called at every opening of the panel; only the first one in the run takes the current
// directory as the output directory.
void openExtractionSettings(ExtractionSettings& settings);

// Which groups of the panel's controls a choice of input and output shows.
struct ExtractionPanelRows {
    bool level = false;              // the 16-bit, 32-bit and miscellaneous texture boxes
    bool objectWad = false;          // room and object textures
    bool rawImage = false;           // width, height and byte order
    bool noInputOptions = false;     // "None"
    bool inputTransparency = false;  // the input transparency box and its colour
    bool rleCompression = false;
    bool bumpMap = false;  // "Output Bumpmap File (.TBM)"
};

ExtractionPanelRows extractionPanelRows(uint32_t inputType, uint32_t outputType);

// "Browse...": the typed directory, without a final separator, becomes the output directory and
// the start of the folder picker; a chosen folder replaces it. True when a folder was chosen.
bool browseForOutputDirectory(Ui& ui, ExtractionSettings& settings, const std::string& typed);

}  // namespace kavrin
