#include <gtest/gtest.h>

#include "framework/paths.h"
#include "support/recording_ui.h"
#include "support/test_data.h"
#include "texture/extraction_settings.h"

namespace kavrin {
namespace {

TEST(ExtractionPanelRows, EachInputShowsOnlyItsOwnOptions) {
    for (uint32_t output = OUTPUT_OBJECT_WAD; output <= OUTPUT_TARGA; ++output) {
        ExtractionPanelRows raw = extractionPanelRows(INPUT_RAW_IMAGE, output);
        EXPECT_TRUE(raw.rawImage && raw.inputTransparency);
        EXPECT_FALSE(raw.level || raw.objectWad || raw.noInputOptions || raw.bumpMap);

        ExtractionPanelRows sprites = extractionPanelRows(INPUT_SPRITE_WAD, output);
        EXPECT_TRUE(sprites.noInputOptions);
        EXPECT_FALSE(sprites.level || sprites.objectWad || sprites.rawImage ||
                     sprites.inputTransparency);

        ExtractionPanelRows targa = extractionPanelRows(INPUT_TARGA, output);
        EXPECT_TRUE(targa.inputTransparency);
        EXPECT_FALSE(targa.level || targa.objectWad || targa.rawImage || targa.noInputOptions);

        EXPECT_TRUE(extractionPanelRows(INPUT_LEVEL, output).level);
        EXPECT_TRUE(extractionPanelRows(INPUT_OBJECT_WAD, output).objectWad);
        EXPECT_FALSE(extractionPanelRows(INPUT_OBJECT_WAD, output).inputTransparency);
    }
}

TEST(ExtractionPanelRows, OutputOptionsFollowTheOutputTypeAndTheBumpMapNeedsALevel) {
    for (uint32_t input = INPUT_LEVEL; input <= INPUT_TARGA; ++input) {
        for (uint32_t output = OUTPUT_OBJECT_WAD; output <= OUTPUT_TARGA; ++output) {
            ExtractionPanelRows rows = extractionPanelRows(input, output);
            EXPECT_EQ(rows.rleCompression, output == OUTPUT_TARGA) << input << " " << output;
            EXPECT_EQ(rows.bumpMap, input == INPUT_LEVEL && output == OUTPUT_ROOM_EDITOR_TEXTURE)
                << input << " " << output;
        }
    }
}

TEST(ExtractionSettings, StartMagentaAndKeepEveryChoiceAcrossOpenings) {
    ExtractionSettings settings;
    EXPECT_EQ(colourRed(settings.inputTransparency), 0xFF);
    EXPECT_EQ(colourGreen(settings.inputTransparency), 0x00);
    EXPECT_EQ(colourBlue(settings.inputTransparency), 0xFF);
    EXPECT_EQ(settings.customColours[0], 0xFF00FFu);
    for (size_t i = 1; i < settings.customColours.size(); ++i)
        EXPECT_EQ(settings.customColours[i], 0u);

    openExtractionSettings(settings);
    EXPECT_EQ(settings.outputDirectory, currentDirectory());
    settings.outputType = OUTPUT_TARGA;
    settings.byteOrder = 4;
    settings.inputTransparency = makeColour(1, 2, 3);
    settings.customColours[5] = 7;
    settings.outputDirectory = "elsewhere";
    openExtractionSettings(settings);
    EXPECT_EQ(settings.outputType, OUTPUT_TARGA);
    EXPECT_EQ(settings.byteOrder, 4u);
    EXPECT_EQ(settings.inputTransparency, 0x030201u);
    EXPECT_EQ(settings.customColours[5], 7u);
    EXPECT_EQ(settings.outputDirectory, "elsewhere");
}

TEST(ExtractionSettings, BrowseStartsInTheTypedFolderWithoutItsFinalSeparator) {
    test::RecordingUi recording;
    ExtractionSettings settings;
    std::string typed = test::makeTempDirectory("output");
    recording.folderChoices = {std::nullopt, std::string("chosen"), std::nullopt};

    EXPECT_FALSE(browseForOutputDirectory(recording.ui, settings, typed + PATH_SEPARATOR));
    EXPECT_EQ(recording.folderRequests.at(0).startDirectory, typed);
    EXPECT_EQ(recording.folderRequests.at(0).prompt, "Output Directory");
    EXPECT_FALSE(recording.folderRequests.at(0).okEnabled);  // any folder will do
    EXPECT_EQ(settings.outputDirectory, typed);  // the typed folder stays, even on cancel

    EXPECT_TRUE(browseForOutputDirectory(recording.ui, settings, typed));
    EXPECT_EQ(settings.outputDirectory, "chosen");

    // Only one separator goes, and the root of the file system keeps its own.
    std::string root(1, PATH_SEPARATOR);
    EXPECT_FALSE(browseForOutputDirectory(recording.ui, settings, root));
    EXPECT_EQ(recording.folderRequests.at(2).startDirectory, root);
}

}  // namespace
}  // namespace kavrin
