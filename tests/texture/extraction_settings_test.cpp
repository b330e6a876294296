#include <gtest/gtest.h>

#include "framework/paths.h"
#include "support/recording_ui.h"
#include "support/test_data.h"
#include "texture/extraction_settings.h"

namespace kavrin {
namespace {

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
