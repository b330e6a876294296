#include "level/level_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "formats/wad.h"
#include "framework/file_types.h"
#include "level/level_reader.h"
#include "level/sound_name_table.h"
#include "support/parsed_file.h"
#include "support/synthetic_level.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

using test::syntheticFace;
using test::syntheticMesh;

// A synthetic level walked and converted; the block's views point into `level` and `converted`.
struct Converted {
    test::RecordingUi ui;
    LevelRecord level;
    ConvertedLevel converted;
    ObjectSourceBlock block;

    explicit Converted(const test::SyntheticLevel& synthetic) {
        EXPECT_TRUE(parseLevelData(ui.ui, "synthetic.tr4", test::buildLevelData(synthetic), level));
        block = convertLevel(ui.ui, level, converted);
    }
};

template <class T>
std::vector<T> all(std::span<const T> view) {
    return {view.begin(), view.end()};
}

std::vector<uint16_t> textureWords(const MeshInfo& mesh) {
    std::vector<uint16_t> words;
    for (const PolygonRef& polygon : mesh.polygons)
        words.push_back(polygon.texture);
    return words;
}

TEST(LevelConversion, SamplesAreNamedByTheirLevelSampleIndexAndTheSoundsKept) {
    test::SyntheticLevel synthetic;
    synthetic.sampleIndices = {0, 27, 29, 388, SOUND_NAME_COUNT, 70000};
    synthetic.soundDetails = {SoundInfo{4, {1, 2, 3, 4, 5, 6}}};
    synthetic.soundMap[2] = 0;
    Converted run(synthetic);
    EXPECT_EQ(all(run.block.sampleNames),
              (std::vector<std::string>{"foot01.wav", "l_metal.wav", "l_metal.wav", "clk_swt.wav",
                                        "bogus.wav", "bogus.wav"}));
    EXPECT_EQ(all(run.block.samples), synthetic.sampleIndices);
    EXPECT_TRUE(std::ranges::equal(run.block.soundMap, synthetic.soundMap));
    EXPECT_EQ(all(run.block.soundInfos), synthetic.soundDetails);
}

TEST(LevelConversion, FaceTexturesTakeWadFormMergedWithinEachMesh) {
    test::SyntheticLevel synthetic;
    synthetic.objectTextures.assign(9, test::syntheticObjectTexture(0, 0, 0));
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
    ASSERT_EQ(run.block.meshInfo.data(), run.level.meshes.data());  // rewritten in place
    EXPECT_EQ(textureWords(run.level.meshes[0]),
              (std::vector<uint16_t>{0xF000, 0xFFFB, 6, 3, 3, 0x2005, 0x8005}));
    EXPECT_EQ(textureWords(run.level.meshes[1]), (std::vector<uint16_t>{4, 0x8008}));
    // Read back the WAD way, a negated word names the texture the face had.
    EXPECT_EQ(run.block.textures[textureIndexOfWord(0xFFFB)], run.block.textures[5]);

    // A second conversion changes nothing and reports nothing.
    const size_t updates = run.ui.progress.size();
    ObjectSourceBlock again = convertLevel(run.ui.ui, run.level, run.converted);
    EXPECT_EQ(textureWords(run.level.meshes[0])[1], 0xFFFB);
    EXPECT_EQ(run.ui.progress.size(), updates);
    EXPECT_EQ(again.textures.data(), run.block.textures.data());
}

TEST(LevelConversion, BitmapsBecomeRgbWithTransparentPixelsMagenta) {
    test::RecordingUi ui;
    std::vector<uint8_t> pixels(40002, 0x77);
    const uint8_t opaqueThenClear[] = {0x10, 0x20, 0x30, 0xFF, 0x10, 0x20, 0x30, 0x00};
    std::ranges::copy(opaqueThenClear, pixels.begin());
    std::vector<uint8_t> out = convertBitmap(ui.ui, pixels);
    ASSERT_EQ(out.size(), 10000u * 3);  // the two bytes of a partial pixel are dropped
    EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + 9),
              (std::vector<uint8_t>{0x30, 0x20, 0x10, 0xFF, 0x00, 0xFF, 0x77, 0x77, 0x77}));
}

// A mesh as both layouts must agree on: polygons in one order, without the texture words, which
// the level numbers its own way.
MeshInfo comparable(MeshInfo mesh) {
    for (PolygonRef& polygon : mesh.polygons)
        polygon.texture = 0;
    std::sort(mesh.polygons.begin(), mesh.polygons.end(), [](const auto& a, const auto& b) {
        return std::tie(a.shape, a.vertices, a.attributes) <
               std::tie(b.shape, b.vertices, b.attributes);
    });
    return mesh;
}

// title.tr4 was built from the title WAD set: converted, it must offer the same objects.
TEST(LevelConversion, TitleLevelConvertsIntoTheObjectsOfItsWadSet) {
    KAVRIN_REQUIRE_DATA(test::testDataPath("trle/data/title.tr4"));
    auto level =
        test::loadAs<LevelRecord>(FILE_LEVEL_REFERENCE, test::testDataPath("trle/data"), "title");
    auto wad = test::loadAs<ObjectWad>(FILE_WAD, test::testDataPath("trle/graphics/wads"), "title");
    ASSERT_TRUE(level.ok && wad.ok);
    test::RecordingUi ui;
    ConvertedLevel converted;
    const ObjectSourceBlock block = convertLevel(ui.ui, level.contents, converted);
    const ObjectWad& w = wad.contents;
    EXPECT_TRUE(std::tuple(all(block.moveables), all(block.staticMeshes), all(block.animations),
                           all(block.stateChanges), all(block.dispatches), all(block.commands),
                           all(block.meshTrees), all(block.frames), all(block.animOwner),
                           all(block.moveableAnimEnd)) ==
                std::tie(w.moveables, w.statics, w.animations, w.stateChanges, w.dispatches,
                         w.commands, w.meshTrees, w.frames, w.animOwner, w.moveableAnimEnd));
    ASSERT_EQ(block.meshOfPointer.size(), w.meshPointers.size());
    for (size_t i = 0; i < w.meshPointers.size(); ++i) {
        const uint32_t a = block.meshOfPointer[i], b = w.meshOfPointer[i];
        EXPECT_TRUE(comparable(block.meshInfo[a]) == comparable(w.meshInfos[b])) << "pointer " << i;
        EXPECT_EQ(block.meshSize[a], w.meshSizes[b]) << "pointer " << i;
    }
    // The level's own textures: 15 pages, and every converted face names one of its 1792 textures.
    EXPECT_EQ(block.texturePages.size(), 15u * TEXTURE_PAGE_BYTES);
    for (const MeshInfo& mesh : block.meshInfo) {
        EXPECT_TRUE(std::ranges::all_of(mesh.polygons, [](const PolygonRef& polygon) {
            return textureIndexOfWord(polygon.texture) < 1792;
        }));
    }
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace kavrin
