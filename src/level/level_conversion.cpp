#include "level/level_conversion.h"

#include <algorithm>

#include "formats/mesh.h"
#include "framework/ui.h"
#include "level/level_reader.h"
#include "level/sound_name_table.h"

namespace kavrin {

namespace {

constexpr int PHASE_WIDTH = 70;
constexpr size_t BITMAP_PROGRESS_BYTES = 10000;
constexpr uint8_t FLAG_SET = 255;

int phaseOffset(size_t done, size_t total) {
    return static_cast<int>(static_cast<double>(done) / static_cast<double>(total) * PHASE_WIDTH);
}

// A level face names its object texture plainly; in a WAD the flags of the texture move into the
// word: a rectangle with flags stores its index negated under four set bits, a triangle keeps the
// flags in its top three bits.
uint16_t wadTextureWord(const PolygonRef& polygon, uint8_t newFlags, uint16_t index) {
    if (polygon.isTriangle()) return static_cast<uint16_t>((newFlags << 13) | (index & 0x0FFF));
    if (newFlags == 0) return index;
    return static_cast<uint16_t>((0x10000 - index) | 0xF000);
}

void convertMeshes(Ui& ui, LevelRecord& level, ConvertedLevel& converted) {
    progressMark(ui, "Converting meshes");
    converted.meshSize.assign(level.meshes.size(), 0);
    std::vector<uint16_t> seen;
    seen.reserve(converted.textures.size());
    for (size_t m = 0; m < level.meshes.size(); ++m) {
        progressSub(ui, phaseOffset(m, level.meshes.size()), nullptr);
        seen.clear();
        MeshInfo& mesh = level.meshes[m];
        for (PolygonRef& polygon : mesh.polygons) {
            uint16_t merged = findTextureDuplicate(polygon.texture, converted.textures, seen);
            uint8_t newFlags = static_cast<uint8_t>(level.objectTextures[polygon.texture].newFlags);
            polygon.texture = wadTextureWord(polygon, newFlags, merged);
        }
        converted.meshSize[m] = wadMeshSize(mesh);
    }
}

ObjectSourceBlock viewConvertedLevel(const LevelRecord& level, const ConvertedLevel& converted) {
    ObjectSourceBlock block;
    block.sampleNames = converted.sampleNames;
    block.soundMap = level.soundMap;
    block.soundInfos = level.soundDetails;
    block.samples = level.sampleIndices;
    block.textures = converted.textures;
    block.texturePages = converted.texturePages;
    viewObjectRecords(block, level);
    block.meshInfo = level.meshes;
    block.meshSize = converted.meshSize;
    block.meshOfPointer = level.meshOfPointer;
    block.moveableAnimEnd = converted.animationTables.moveableAnimEnd;
    block.animCommandEnd = converted.animationTables.animCommandEnd;
    block.animFrameEnd = converted.animationTables.animFrameEnd;
    block.animOwner = converted.animationTables.animOwner;
    block.version = level.version;
    block.meshPointers = level.meshPointers;
    block.meshWordCount = level.meshData.count;
    return block;
}

}  // namespace

ObjectTexture convertObjectTexture(const LevelObjectTexture& level) {
    ObjectTexture texture;
    texture.x = FLAG_SET;
    texture.y = FLAG_SET;
    bool flagged = false;
    for (int i = 0; i < level.cornerCount(); ++i) {
        const LevelObjectTexture::Corner& corner = level.corners[i];
        texture.x = std::min(texture.x, corner.xPixel);
        texture.y = std::min(texture.y, corner.yPixel);
        flagged = flagged || corner.xMarker == FLAG_SET || corner.yMarker == FLAG_SET;
    }
    texture.page = level.page();
    texture.widthMinusOne = static_cast<uint8_t>(level.width);
    texture.heightMinusOne = static_cast<uint8_t>(level.height);
    texture.flagX = texture.flagY = flagged ? FLAG_SET : 0;
    return texture;
}

ObjectSourceBlock convertLevel(Ui& ui, LevelRecord& level, ConvertedLevel& converted) {
    if (level.converted) return viewConvertedLevel(level, converted);

    progressMark(ui, "Converting sounds");
    const size_t sampleCount = level.sampleIndices.size();
    converted.sampleNames.resize(sampleCount);
    for (size_t i = 0; i < sampleCount; ++i) {
        progressSub(ui, phaseOffset(i, sampleCount), nullptr);
        converted.sampleNames[i] = levelSampleName(level.sampleIndices[i]);
    }

    progressMark(ui, "Converting textures");
    const size_t textureCount = level.objectTextures.size();
    converted.textures.resize(textureCount);
    for (size_t i = 0; i < textureCount; ++i) {
        progressSub(ui, phaseOffset(i, textureCount), nullptr);
        converted.textures[i] = convertObjectTexture(level.objectTextures[i]);
    }
    converted.texturePages = convertBitmap(ui, level.texturePages32);

    convertMeshes(ui, level, converted);
    converted.animationTables = deriveAnimationTables(
        level.moveables, level.animations, static_cast<uint32_t>(level.commands.size()),
        static_cast<uint32_t>(level.frames.size() * 2), nullptr);
    level.converted = true;
    return viewConvertedLevel(level, converted);
}

std::vector<uint8_t> convertBitmap(Ui& ui, std::span<const uint8_t> pixels) {
    progressMark(ui, "Converting bitmap");
    const size_t pixelCount = pixels.size() / 4;
    std::vector<uint8_t> out(pixelCount * 3);
    // The bar moves once per BITMAP_PROGRESS_BYTES source bytes; the pixels between are converted
    // in one tight loop.
    for (size_t start = 0; start < pixelCount * 4; start += BITMAP_PROGRESS_BYTES) {
        progressSub(ui, phaseOffset(start, pixels.size()), nullptr);
        const size_t end = std::min(start + BITMAP_PROGRESS_BYTES, pixelCount * 4);
        for (size_t i = start; i < end; i += 4) {
            const uint8_t* source = &pixels[i];
            uint8_t* target = &out[i / 4 * 3];
            const bool transparent = source[3] == 0;
            target[0] = transparent ? 0xFF : source[2];
            target[1] = transparent ? 0x00 : source[1];
            target[2] = transparent ? 0xFF : source[0];
        }
    }
    return out;
}

uint16_t findTextureDuplicate(uint16_t texture, std::span<const ObjectTexture> textures,
                              std::vector<uint16_t>& seen) {
    for (uint16_t earlier : seen) {
        if (textures[earlier] == textures[texture]) return earlier;
    }
    seen.push_back(texture);
    return texture;
}

}  // namespace kavrin
