#include "level/level_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "formats/wad.h"
#include "framework/file_record.h"
#include "framework/file_types.h"
#include "level/level_reader.h"
#include "level/sound_name_table.h"
#include "support/recording_ui.h"
#include "support/synthetic_level.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

using test::RecordingUi;
using test::syntheticFace;
using test::SyntheticLevel;
using test::syntheticMesh;
using test::syntheticObjectTexture;

LevelRecord parsedLevel(const SyntheticLevel& synthetic) {
    LevelRecord level;
    RecordingUi ui;
    std::vector<uint8_t> data = test::buildLevelData(synthetic);
    if (!parseLevelData(ui.ui, "synthetic.tr4", data, level)) ADD_FAILURE() << "not parsed";
    return level;
}

// A synthetic level walked and converted; the block's views point into `level` and `converted`.
struct Converted {
    LevelRecord level;
    RecordingUi ui;
    ConvertedLevel converted;
    ObjectSourceBlock block;

    explicit Converted(const SyntheticLevel& synthetic) : level(parsedLevel(synthetic)) {
        block = convertLevel(ui.ui, level, converted);
    }
};

template <class T>
std::vector<T> asVector(std::span<const T> view) {
    return {view.begin(), view.end()};
}

std::vector<uint16_t> textureWords(const MeshInfo& mesh) {
    std::vector<uint16_t> words;
    for (const PolygonRef& polygon : mesh.polygons)
        words.push_back(polygon.texture);
    return words;
}

TEST(LevelConversion, SamplesAreNamedByTheirLevelSampleIndex) {
    SyntheticLevel synthetic;
    synthetic.sampleIndices = {0, 27, 29, 388, SOUND_NAME_COUNT, 70000};
    synthetic.soundDetails = {SoundInfo{4, {1, 2, 3, 4, 5, 6}}};
    synthetic.soundMap[2] = 0;
    Converted run(synthetic);
    const ObjectSourceBlock& block = run.block;

    EXPECT_EQ(std::vector<std::string>(block.sampleNames.begin(), block.sampleNames.end()),
              (std::vector<std::string>{"foot01.wav", "l_metal.wav", "l_metal.wav", "clk_swt.wav",
                                        "bogus.wav", "bogus.wav"}));
    EXPECT_EQ(std::vector<uint32_t>(block.samples.begin(), block.samples.end()),
              synthetic.sampleIndices);
    EXPECT_TRUE(std::ranges::equal(block.soundMap, synthetic.soundMap));
    EXPECT_EQ(asVector(block.soundInfos), synthetic.soundDetails);
    EXPECT_TRUE(run.ui.messages.empty());
}

TEST(LevelConversion, ObjectTexturesAreTheBoundingBoxOfTheCornersTheyUse) {
    LevelObjectTexture four;
    four.tile = 0x0003;
    four.corners = {{{0, 40, 0, 50}, {0, 10, 0, 60}, {0, 30, 0, 5}, {0, 20, 0, 70}}};
    four.width = 0x1FF;
    four.height = 0x120;
    LevelObjectTexture three = four;
    three.tile = 0x0102;
    three.corners[3] = {255, 1, 255, 1};  // unused by a three-corner texture
    LevelObjectTexture xFlagged = four;
    xFlagged.corners[2].xMarker = 255;
    LevelObjectTexture yFlagged = four;
    yFlagged.corners[0].yMarker = 255;

    SyntheticLevel synthetic;
    synthetic.objectTextures = {four, three, xFlagged, yFlagged};
    Converted run(synthetic);
    const ObjectSourceBlock& block = run.block;

    EXPECT_EQ(asVector(block.textures),
              (std::vector<ObjectTexture>{{10, 5, 3, 0, 0xFF, 0, 0x20},
                                          {10, 5, 2, 0, 0xFF, 0, 0x20},
                                          {10, 5, 3, 255, 0xFF, 255, 0x20},
                                          {10, 5, 3, 255, 0xFF, 255, 0x20}}));
}

TEST(LevelConversion, FaceTexturesTakeWadFormMergedWithinEachMesh) {
    SyntheticLevel synthetic;
    synthetic.objectTextures.assign(9, syntheticObjectTexture(0, 0, 0));
    for (uint8_t i = 0; i < 9; ++i)
        synthetic.objectTextures[i].width = 16 + i;
    synthetic.objectTextures[0].newFlags = 1;
    synthetic.objectTextures[4] = synthetic.objectTextures[3];  // equal to 3 in every byte
    synthetic.objectTextures[5].newFlags = 0x0101;              // only the low byte counts
    synthetic.objectTextures[8] = synthetic.objectTextures[5];
    synthetic.objectTextures[8].newFlags = 4;  // equal to 5 once converted: flags are not kept

    synthetic.meshes = {
        syntheticMesh({syntheticFace(QUAD_SHAPE, 0), syntheticFace(QUAD_SHAPE, 5),
                       syntheticFace(QUAD_SHAPE, 6), syntheticFace(QUAD_SHAPE, 3),
                       syntheticFace(QUAD_SHAPE, 4), syntheticFace(TRIANGLE_SHAPE, 5),
                       syntheticFace(TRIANGLE_SHAPE, 8)}),
        // Merging does not reach across meshes: texture 8 alone keeps its own index.
        syntheticMesh({syntheticFace(TRIANGLE_SHAPE, 8), syntheticFace(QUAD_SHAPE, 4)}),
    };
    Converted run(synthetic);
    const ObjectSourceBlock& block = run.block;
    ASSERT_EQ(block.meshInfo.size(), 2u);
    EXPECT_EQ(block.meshInfo.data(), run.level.meshes.data());  // the level's own meshes, rewritten
    EXPECT_EQ(textureWords(block.meshInfo[0]),
              (std::vector<uint16_t>{0xF000, 0xFFFB, 6, 3, 3, 0x2005, 0x8005}));
    EXPECT_EQ(textureWords(block.meshInfo[1]), (std::vector<uint16_t>{4, 0x8008}));
    // Read back the WAD way, every word names a texture equal to the one the face had.
    for (const PolygonRef& polygon : block.meshInfo[0].polygons) {
        EXPECT_LT(textureIndexOfWord(polygon.texture), block.textures.size());
    }
    EXPECT_EQ(block.textures[textureIndexOfWord(0xFFFB)], block.textures[5]);
}

TEST(LevelConversion, BitmapsBecomeRgbWithTransparentPixelsMagenta) {
    RecordingUi ui;
    std::vector<uint8_t> pixels(40002, 0x77);
    const uint8_t opaqueThenClear[] = {0x10, 0x20, 0x30, 0xFF, 0x10, 0x20, 0x30, 0x00};
    std::ranges::copy(opaqueThenClear, pixels.begin());

    std::vector<uint8_t> out = convertBitmap(ui.ui, pixels);
    ASSERT_EQ(out.size(), 10000u * 3);  // the two bytes of a partial pixel are dropped
    EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + 9),
              (std::vector<uint8_t>{0x30, 0x20, 0x10, 0xFF, 0x00, 0xFF, 0x77, 0x77, 0x77}));
}

TEST(LevelConversion, ALevelIsConvertedOnlyOnce) {
    SyntheticLevel synthetic = test::populatedLevel();
    synthetic.objectTextures[1].newFlags = 2;
    LevelRecord level = parsedLevel(synthetic);
    level.texturePages32.assign(LEVEL_PAGE_BYTES, 0xFF);
    RecordingUi ui;
    progressBegin(ui.ui, "Loading synthetic.tr4...", 0, 425, 50, "Reading synthetic.tr4");
    ConvertedLevel converted;
    ObjectSourceBlock first = convertLevel(ui.ui, level, converted);
    EXPECT_EQ(first.texturePages.size(), TEXTURE_PAGE_BYTES);
    EXPECT_TRUE(level.converted);

    const std::vector<uint16_t> words = textureWords(level.meshes[0]);
    EXPECT_EQ(words, (std::vector<uint16_t>{0, 0x4001}));
    const size_t updates = ui.progress.size();
    ObjectSourceBlock second = convertLevel(ui.ui, level, converted);
    EXPECT_EQ(textureWords(level.meshes[0]), words);
    EXPECT_EQ(ui.progress.size(), updates);
    EXPECT_EQ(second.textures.data(), first.textures.data());
    EXPECT_EQ(second.meshInfo.data(), first.meshInfo.data());
    EXPECT_EQ(second.sampleNames.size(), first.sampleNames.size());
    EXPECT_EQ(second.animOwner.data(), first.animOwner.data());
}

// The corners of a mesh's quads or of its triangles, sorted: polygon order may differ.
std::vector<std::array<uint16_t, 4>> faceCorners(const MeshInfo& mesh, bool triangles) {
    std::vector<std::array<uint16_t, 4>> corners;
    for (const PolygonRef& polygon : mesh.polygons) {
        if (polygon.isTriangle() == triangles) corners.push_back(polygon.vertices);
    }
    std::sort(corners.begin(), corners.end());
    return corners;
}

// title.tr4 was built from the title WAD set: converted, it must offer the same objects.
TEST(LevelConversion, TitleLevelConvertsIntoTheObjectsOfItsWadSet) {
    KAVRIN_REQUIRE_DATA(test::testDataPath("trle/data/title.tr4"));
    KAVRIN_REQUIRE_DATA(test::testDataPath("trle/graphics/wads/title.WAD"));
    RecordingUi ui;
    ParseContext context{ui.ui};
    std::unique_ptr<FileRecord> levelFile =
        makeFileRecord(FILE_LEVEL_REFERENCE, test::testDataPath("trle/data"), "title");
    ASSERT_TRUE(loadFile(*levelFile, context));
    ConvertedLevel converted;
    ObjectSourceBlock block =
        convertLevel(ui.ui, *std::any_cast<LevelRecord>(&levelFile->contents), converted);
    std::unique_ptr<FileRecord> wadFile =
        makeFileRecord(FILE_WAD, test::testDataPath("trle/graphics/wads"), "title");
    ASSERT_TRUE(loadFile(*wadFile, context));
    const ObjectWad& wad = *std::any_cast<ObjectWad>(&wadFile->contents);

    EXPECT_EQ(asVector(block.moveables), wad.moveables);
    EXPECT_EQ(asVector(block.staticMeshes), wad.statics);
    EXPECT_EQ(asVector(block.animations), wad.animations);
    EXPECT_EQ(asVector(block.stateChanges), wad.stateChanges);
    EXPECT_EQ(asVector(block.dispatches), wad.dispatches);
    EXPECT_EQ(asVector(block.commands), wad.commands);
    EXPECT_EQ(asVector(block.meshTrees), wad.meshTrees);
    EXPECT_EQ(asVector(block.frames), wad.frames);
    EXPECT_EQ(asVector(block.animOwner), wad.animOwner);
    EXPECT_EQ(asVector(block.moveableAnimEnd), wad.moveableAnimEnd);

    ASSERT_EQ(block.meshOfPointer.size(), 249u);
    ASSERT_EQ(wad.meshOfPointer.size(), 249u);
    for (size_t i = 0; i < 249; ++i) {
        SCOPED_TRACE(i);
        const MeshInfo& fromLevel = block.meshInfo[block.meshOfPointer[i]];
        const MeshInfo& fromWad = wad.meshInfos[wad.meshOfPointer[i]];
        EXPECT_EQ(fromLevel.centre, fromWad.centre);
        EXPECT_EQ(fromLevel.radiusWord, fromWad.radiusWord);
        EXPECT_EQ(fromLevel.vertices, fromWad.vertices);
        EXPECT_EQ(fromLevel.normals, fromWad.normals);
        EXPECT_EQ(fromLevel.shades, fromWad.shades);
        EXPECT_EQ(faceCorners(fromLevel, false), faceCorners(fromWad, false));
        EXPECT_EQ(faceCorners(fromLevel, true), faceCorners(fromWad, true));
        EXPECT_EQ(block.meshSize[block.meshOfPointer[i]], wad.meshSizes[wad.meshOfPointer[i]]);
    }

    // The level's own textures: 15 pages, and every converted face names one of its 1792 textures.
    EXPECT_EQ(block.texturePages.size(), 15u * TEXTURE_PAGE_BYTES);
    for (const MeshInfo& mesh : block.meshInfo) {
        for (const PolygonRef& polygon : mesh.polygons) {
            ASSERT_LT(textureIndexOfWord(polygon.texture), 1792u);
        }
    }
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace kavrin
