#include <gtest/gtest.h>

#include <array>

#include "framework/paths.h"
#include "support/recording_ui.h"
#include "support/test_data.h"
#include "texture/extraction_settings.h"

namespace kavrin {
namespace {

TEST(ExtractionPanelRows, EachInputShowsItsOwnOptionsAndOnlyALevelOffersABumpMap) {
    // Rows shown per input: level, object WAD, raw image, none, input transparency.
    const std::array<bool, 5> shown[] = {{true, false, false, false, false},
                                         {false, true, false, false, false},
                                         {false, false, true, false, true},
                                         {false, false, false, true, false},
                                         {false, false, false, false, true}};
    for (uint32_t input = INPUT_LEVEL; input <= INPUT_TARGA; ++input) {
        for (uint32_t output = OUTPUT_OBJECT_WAD; output <= OUTPUT_TARGA; ++output) {
            SCOPED_TRACE(std::to_string(input) + " " + std::to_string(output));
            ExtractionPanelRows rows = extractionPanelRows(input, output);
            EXPECT_EQ((std::array<bool, 5>{rows.level, rows.objectWad, rows.rawImage,
                                           rows.noInputOptions, rows.inputTransparency}),
                      shown[input - INPUT_LEVEL]);
            EXPECT_EQ(rows.rleCompression, output == OUTPUT_TARGA);
            EXPECT_EQ(rows.bumpMap, input == INPUT_LEVEL && output == OUTPUT_ROOM_EDITOR_TEXTURE);
        }
    }
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
