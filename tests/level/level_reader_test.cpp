#include "level/level_reader.h"

#include <gtest/gtest.h>

#include "framework/file_types.h"
#include "support/parsed_file.h"
#include "support/synthetic_level.h"

namespace kavrin {
namespace {

using test::SyntheticLevel;

const char* const LEVEL_PATH = "levels/synthetic.tr4";

// The one message of walking the level data, or what went otherwise.
std::string walkRefusal(const std::vector<uint8_t>& data) {
    test::RecordingUi ui;
    LevelRecord level;
    if (parseLevelData(ui.ui, LEVEL_PATH, data, level)) return "walked";
    return ui.messages.size() == 1 ? ui.messages[0].text
                                   : "messages: " + std::to_string(ui.messages.size());
}

TEST(LevelReader, MoreMeshesThanTheOldTwoThousandAreAllKept) {
    SyntheticLevel synthetic;
    synthetic.meshes.assign(2001, test::syntheticMesh({}));
    test::RecordingUi ui;
    LevelRecord level;
    EXPECT_TRUE(parseLevelData(ui.ui, LEVEL_PATH, test::buildLevelData(synthetic), level));
    EXPECT_EQ(level.meshes.size(), 2001u);
    EXPECT_EQ(level.meshOffsets.back(), 2000u * 24);
}

TEST(LevelReader, DamagedFilesAreRefusedWithOneMessageAndKeepNothing) {
    SyntheticLevel synthetic = test::populatedLevel();
    const std::vector<uint8_t> good = test::buildLevelFile(synthetic);
    const uint32_t dataSize = static_cast<uint32_t>(test::buildLevelData(synthetic).size());
    auto cut = [&good](size_t keep) {
        return std::vector<uint8_t>(good.begin(), good.begin() + keep);
    };
    std::vector<uint8_t> flipped = good, noVersion = good;
    flipped[flipped.size() - 20] ^= 0x10;
    noVersion[2] = '3';
    SyntheticLevel offPage = synthetic, pastVertices = synthetic;
    offPage.objectTextures[1].tile = 1;
    pastVertices.meshes[0].polygons[0].vertices[2] = 1;

    const std::pair<std::vector<uint8_t>, const char*> cases[] = {
        {noVersion, "Unsupported level file."},
        {cut(40), "the file ends inside the 32-bit texture pages"},
        {cut(good.size() - 1), "the file ends inside the level data"},
        {flipped, "the level data cannot be inflated"},
        {test::buildLevelFile(synthetic, dataSize + 1), "inflate to"},
        {test::buildLevelFile(synthetic, dataSize - 1), "the level data cannot be inflated"},
        {test::buildLevelFile(synthetic, 0xFFFFFFF0u),
         "the level data cannot inflate to the 4294967280 bytes the file states"},
        {test::buildLevelFile(offPage), "object texture 1 lies on page 1 of only 1"},
        {test::buildLevelFile(pastVertices), "a polygon of mesh 0 uses vertex 1 of only 1"},
    };
    for (const auto& [bytes, problem] : cases) {
        SCOPED_TRACE(problem);
        auto parsed = test::parseAs<LevelRecord>(FILE_LEVEL_REFERENCE, bytes);
        const std::string shown = test::refusal(parsed);
        EXPECT_TRUE(shown.starts_with("Kavrin: @ cannot be read:\n") &&
                    shown.find(problem) != std::string::npos)
            << shown;
        // Nothing half-read: the record keeps an empty level.
        EXPECT_TRUE(parsed.stored && parsed.contents.meshes.empty() &&
                    parsed.contents.version == 0);
    }
}

TEST(LevelReader, LevelDataThatIsCutShortOrDoesNotHoldTogetherIsRefused) {
    test::SyntheticLevelLayout layout;
    SyntheticLevel synthetic = test::populatedLevel();
    const std::vector<uint8_t> good = test::buildLevelData(synthetic, &layout);
    // Cut one byte into each section: the message names it.
    for (const auto& [label, offset] : layout) {
        if (label.find("Marker") != std::string::npos || label == "End") continue;
        EXPECT_EQ(walkRefusal({good.begin(), good.begin() + offset + 1}),
                  std::string(LEVEL_PATH) + " cannot be read:\nthe " + label +
                      " section runs past the end of the level data");
    }

    auto changed = [&good](size_t at, std::vector<uint8_t> bytes) {
        std::vector<uint8_t> copy = good;
        std::ranges::copy(bytes, copy.begin() + static_cast<ptrdiff_t>(at));
        return copy;
    };
    const size_t meshWords = layout.at("Meshes") - 4;
    SyntheticLevel pastTextures = synthetic, pastWad = synthetic, pastDetails = synthetic,
                   pastSamples = synthetic;
    pastTextures.meshes[0].polygons[1].texture = 2;
    pastWad.objectTextures.assign(0x1001, test::syntheticObjectTexture(0, 0, 0));
    pastWad.meshes[0].polygons[0].texture = 0x1000;
    pastDetails.soundMap[5] = 1;
    pastSamples.soundDetails.push_back(SoundInfo{1, {}});
    const std::pair<std::vector<uint8_t>, const char*> cases[] = {
        {changed(meshWords, {6}), "the meshes do not end where the mesh data ends"},
        {changed(meshWords, {26}), "the meshes do not end where the mesh data ends"},
        {changed(layout.at("Sprite Marker"), {'X'}),
         "the level data does not have the layout of a Tomb Raider 4 level: no \"SPR\" marker "
         "before the Sprite Textures section"},
        {changed(layout.at("Texture Marker") + 3, {'Y'}),
         "no \"TEX\" marker before the Object Textures section"},
        {test::buildLevelData(pastTextures), "a face of mesh 0 uses object texture 2 of only 2"},
        {test::buildLevelData(pastWad),
         "a face of mesh 0 uses object texture 4096; a WAD can address only 4096"},
        {test::buildLevelData(pastDetails), "sound 5 uses sound detail 1 of only 1"},
        {test::buildLevelData(pastSamples), "sound detail 1 starts at sample 1 of only 1"},
    };
    for (const auto& [bytes, problem] : cases) {
        const std::string shown = walkRefusal(bytes);
        EXPECT_NE(shown.find(problem), std::string::npos) << shown;
    }
}

}  // namespace
}  // namespace kavrin
