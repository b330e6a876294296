#include "level/level_reader.h"

#include <gtest/gtest.h>

#include "framework/file_record.h"
#include "framework/file_types.h"
#include "support/parsed_file.h"
#include "support/synthetic_level.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

using test::RecordingUi;
using test::SyntheticLevel;
using test::SyntheticLevelLayout;

const char* const LEVEL_PATH = "levels/synthetic.tr4";

// A .tr4 file's bytes written and loaded as a level reference.
test::ParsedFile<LevelRecord> parsedLevel(const std::vector<uint8_t>& bytes) {
    return test::parseAs<LevelRecord>(FILE_LEVEL_REFERENCE, bytes);
}

TEST(LevelReader, TitleLevelParsesWithEverySectionCounted) {
    const std::string directory = test::testDataPath("trle/data");
    KAVRIN_REQUIRE_DATA(test::testDataPath("trle/data/title.tr4"));
    std::unique_ptr<FileRecord> record = makeFileRecord(FILE_LEVEL_REFERENCE, directory, "title");
    RecordingUi ui;
    ParseContext context{ui.ui};
    ASSERT_TRUE(loadFile(*record, context));
    EXPECT_TRUE(ui.messages.empty());

    const LevelRecord& l = *std::any_cast<LevelRecord>(&record->contents);
    EXPECT_EQ((std::vector<size_t>{
                  l.rooms.size(), l.meshes.size(), l.meshPointers.size(), l.animations.size(),
                  l.stateChanges.size(), l.dispatches.size(), l.commands.size(), l.meshTrees.size(),
                  l.frames.size(), l.moveables.size(), l.statics.size(), l.objectTextures.size(),
                  l.soundDetails.size(), l.sampleIndices.size(), l.objectPageCount}),
              (std::vector<size_t>{42, 191, 249, 496, 338, 406, 1616, 708, 155714, 49, 23, 1792, 7,
                                   7, 8}));
    // The record holds the inflated level data; the walk ends 6 bytes before its end.
    EXPECT_EQ(record->size, 709191u);
    EXPECT_EQ(l.walkEndOffset, 709191u - 6);
}

TEST(LevelReader, MoreMeshesThanTheOldTwoThousandAreAllKept) {
    SyntheticLevel synthetic;
    synthetic.meshes.assign(2001, test::syntheticMesh({}));
    RecordingUi ui;
    LevelRecord level;
    EXPECT_TRUE(parseLevelData(ui.ui, LEVEL_PATH, test::buildLevelData(synthetic), level));
    EXPECT_TRUE(ui.messages.empty());
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
    std::vector<uint8_t> flipped = good;
    flipped[flipped.size() - 20] ^= 0x10;
    std::vector<uint8_t> noVersion = good;
    noVersion[2] = '3';
    SyntheticLevel offPage = synthetic;
    offPage.objectTextures[1].tile = 1;
    SyntheticLevel pastVertices = synthetic;
    pastVertices.meshes[0].polygons[0].vertices[2] = 1;

    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* problem;  // expected in the message
    } cases[] = {
        {"version", noVersion, "Unsupported level file."},
        {"cut in the 32-bit pages", cut(40), "the file ends inside the 32-bit texture pages"},
        {"cut in the level data", cut(good.size() - 1), "the file ends inside the level data"},
        {"damaged stream", flipped, "the level data cannot be inflated"},
        {"fewer bytes than stated", test::buildLevelFile(synthetic, dataSize + 1), "inflate to"},
        {"more bytes than stated", test::buildLevelFile(synthetic, dataSize - 1),
         "the level data cannot be inflated"},
        {"absurd stated size", test::buildLevelFile(synthetic, 0xFFFFFFF0u),
         "the level data cannot inflate to the 4294967280 bytes the file states"},
        {"texture on a missing page", test::buildLevelFile(offPage),
         "object texture 1 lies on page 1 of only 1"},
        {"polygon past the vertices", test::buildLevelFile(pastVertices),
         "a polygon of mesh 0 uses vertex 1 of only 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto parsed = parsedLevel(c.bytes);
        EXPECT_FALSE(parsed.ok);
        ASSERT_EQ(parsed.messages.size(), 1u);
        const std::string& text = parsed.messages[0].text;
        EXPECT_EQ(parsed.messages[0].title, "Kavrin");
        EXPECT_TRUE(text.starts_with(parsed.path + " cannot be read:\n") &&
                    text.find(c.problem) != std::string::npos)
            << text;
        // Nothing half-read: the record keeps an empty level.
        EXPECT_TRUE(parsed.stored && parsed.contents.meshes.empty());
        EXPECT_EQ(parsed.contents.version, 0u);
    }
}

TEST(LevelReader, LevelDataCutShortNamesTheSectionItEndsIn) {
    SyntheticLevelLayout layout;
    const std::vector<uint8_t> data = test::buildLevelData(test::populatedLevel(), &layout);
    for (const auto& [label, offset] : layout) {
        if (label.find("Marker") != std::string::npos || label == "End") {
            continue;
        }
        SCOPED_TRACE(label);
        std::vector<uint8_t> cut(data.begin(), data.begin() + offset + 1);
        RecordingUi ui;
        LevelRecord level;
        EXPECT_FALSE(parseLevelData(ui.ui, LEVEL_PATH, cut, level));
        EXPECT_EQ(ui.onlyMessage().text, std::string(LEVEL_PATH) + " cannot be read:\nthe " +
                                             label +
                                             " section runs past the end of the level data");
    }
}

TEST(LevelReader, LevelDataThatDoesNotHoldTogetherIsRefused) {
    SyntheticLevelLayout layout;
    SyntheticLevel synthetic = test::populatedLevel();
    const std::vector<uint8_t> good = test::buildLevelData(synthetic, &layout);

    std::vector<uint8_t> shortMeshData = good;
    test::patchU32(shortMeshData, layout.at("Meshes") - 4, 6);
    std::vector<uint8_t> longMeshData = good;
    test::patchU32(longMeshData, layout.at("Meshes") - 4, 26);
    std::vector<uint8_t> noSprites = good;
    noSprites[layout.at("Sprite Marker")] = 'X';
    std::vector<uint8_t> noTextures = good;
    noTextures[layout.at("Texture Marker") + 3] = 'Y';
    SyntheticLevel pastTextures = synthetic;
    pastTextures.meshes[0].polygons[1].texture = 2;
    SyntheticLevel pastWad = synthetic;
    pastWad.objectTextures.assign(0x1001, test::syntheticObjectTexture(0, 0, 0));
    pastWad.meshes[0].polygons[0].texture = 0x1000;
    SyntheticLevel pastDetails = synthetic;
    pastDetails.soundMap[5] = 1;
    SyntheticLevel pastSamples = synthetic;
    pastSamples.soundDetails.push_back(SoundInfo{1, {}});

    const std::pair<std::vector<uint8_t>, const char*> cases[] = {
        {shortMeshData, "the meshes do not end where the mesh data ends"},
        {longMeshData, "the meshes do not end where the mesh data ends"},
        {noSprites,
         "the level data does not have the layout of a Tomb Raider 4 level: no \"SPR\" marker "
         "before the Sprite Textures section"},
        {noTextures, "no \"TEX\" marker before the Object Textures section"},
        {test::buildLevelData(pastTextures), "a face of mesh 0 uses object texture 2 of only 2"},
        {test::buildLevelData(pastWad),
         "a face of mesh 0 uses object texture 4096; a WAD can address only 4096"},
        {test::buildLevelData(pastDetails), "sound 5 uses sound detail 1 of only 1"},
        {test::buildLevelData(pastSamples), "sound detail 1 starts at sample 1 of only 1"},
    };
    for (const auto& [bytes, problem] : cases) {
        SCOPED_TRACE(problem);
        RecordingUi ui;
        LevelRecord level;
        EXPECT_FALSE(parseLevelData(ui.ui, LEVEL_PATH, bytes, level));
        EXPECT_NE(ui.onlyMessage().text.find(problem), std::string::npos) << ui.onlyMessage().text;
    }
}

TEST(LevelReader, CutOrFlippedCopiesOfTheTitleLevelAreRefused) {
    const std::string path = test::testDataPath("trle/data/title.tr4");
    KAVRIN_REQUIRE_DATA(path);
    const std::string file = test::readBytes(path);
    const std::vector<uint8_t> bytes(file.begin(), file.end());

    // Where the chunks lie in title.tr4: the 32-bit pages' sizes at 10, their stream from 18; the
    // level data's sizes at 2973076, its stream up to 3356574 (the samples after it are not read).
    const size_t levelSizes = 2973076;
    const size_t streamEnd = 3356574;
    std::vector<std::vector<uint8_t>> copies;
    for (size_t keep : {size_t{0}, size_t{3}, size_t{17}, size_t{30}, size_t{2038900},
                        size_t{3000000}, streamEnd - 1}) {
        copies.emplace_back(bytes.begin(), bytes.begin() + keep);
    }
    const std::pair<size_t, int> flips[] = {
        {0, 0},      {10, 0},      {12, 1},      {levelSizes, 2}, {levelSizes + 1, 5}, {100, 3},
        {777777, 6}, {2038892, 0}, {2973100, 7}, {3100000, 4},    {streamEnd - 5, 1},
    };
    for (const auto& [at, bit] : flips) {
        std::vector<uint8_t> copy = bytes;
        copy[at] ^= static_cast<uint8_t>(1u << bit);
        copies.push_back(std::move(copy));
    }
    for (size_t i = 0; i < copies.size(); ++i) {
        SCOPED_TRACE(i);
        auto parsed = parsedLevel(copies[i]);
        EXPECT_FALSE(parsed.ok);
        EXPECT_EQ(parsed.messages.size(), 1u);
    }
}

}  // namespace
}  // namespace kavrin
