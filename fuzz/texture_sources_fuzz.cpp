// Fuzzes what texture extraction reads on its own: a level's page chunks (the first byte 0 mod 3),
// Targa, PNG and BMP images (1 mod 3) and raw images in every byte order (2 mod 3).
#include "fuzz_support.h"
#include "texture/texture_sources.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    std::span<const uint8_t> bytes(data + 1, size - 1);
    ExtractionSettings settings;
    ExtractionChoices choices;
    choices.bumpMap = true;
    ExtractedTextures out;
    switch (data[0] % 3) {
        case 0:
            readLevelTextures(fuzz::silentUi(), "fuzz.tr4", bytes, choices, out);
            break;
        case 1:
            readImageFile(fuzz::silentUi(), "fuzz.tga", bytes, settings, choices, out);
            break;
        default:
            settings.byteOrder = data[0] / 3 % BYTE_ORDER_NAMES.size();
            choices.rawWidth = 1 + data[0] / 18;
            choices.rawHeight = static_cast<uint32_t>(bytes.size() / choices.rawWidth);
            readRawImage(fuzz::silentUi(), "fuzz.raw", bytes, settings, choices, out);
    }
    return 0;
}
