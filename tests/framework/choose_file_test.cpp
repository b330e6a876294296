#include <gtest/gtest.h>

#include <fstream>

#include "framework/choose_file.h"
#include "framework/file_record.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "support/recording_ui.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

std::string sep(const std::string& a, const std::string& b) {
    return a + PATH_SEPARATOR + b;
}

TEST(ChooseFile, TheChosenPathBecomesDirectoryBaseNameAndFilter) {
    test::RecordingUi recording;
    std::unique_ptr<FileRecord> record;
    std::string wads = sep("C:", "wads");
    recording.fileChoices = {FileChoice{sep(wads, "my.old.tut1.WAS"), 2},
                             FileChoice{sep("C:", "plain"), 1}, std::nullopt};
    ASSERT_TRUE(chooseFile(recording.ui, false, nullptr, FILE_REFERENCE, true, record));
    EXPECT_EQ(record->type, FILE_REFERENCE);
    EXPECT_EQ(record->filterIndex, 2u);
    EXPECT_EQ(record->directory, wads);
    EXPECT_EQ(record->name, "my.old.tut1");
    EXPECT_EQ(record->path, sep(wads, "my.old.tut1.WAS"));

    ASSERT_TRUE(chooseFile(recording.ui, true, "Save Wad As", FILE_WAS, true, record));
    EXPECT_EQ(record->directory, "C:");
    EXPECT_EQ(record->name, "plain");
    EXPECT_FALSE(chooseFile(recording.ui, false, nullptr, FILE_LEVEL, false, record));
    EXPECT_EQ(record->name, "plain");  // a cancel leaves the caller's record alone

    EXPECT_TRUE(recording.fileRequests[1].save);
    EXPECT_EQ(recording.fileRequests[2].title, "Load Level");  // the type's own title
}

TEST(BrowseForFolder, OffersOkOnlyWhereTheRecordsFileIsAndStoresTheChoice) {
    test::RecordingUi recording;
    std::string with = test::makeTempDirectory("with");
    std::string without = test::makeTempDirectory("without");
    std::ofstream(sep(with, "OBJECTS.H")) << "x";
    std::unique_ptr<FileRecord> record = makeFileRecord(FILE_OBJECTS_H, "", "objects");
    recording.folderChoices = {with, std::nullopt};
    ASSERT_TRUE(browseForFolder(recording.ui, *record, true, "Where?"));
    EXPECT_EQ(record->directory, with);
    const FolderRequest& request = recording.folderRequests[0];
    EXPECT_EQ(request.prompt, "Where?");
    EXPECT_EQ(request.startDirectory, currentDirectory());  // the record had no directory
    EXPECT_TRUE(request.okEnabled(with));                   // letter case aside
    EXPECT_FALSE(request.okEnabled(without));

    EXPECT_FALSE(browseForFolder(recording.ui, *record, false, "Where?"));
    EXPECT_EQ(record->directory, with);
    EXPECT_EQ(recording.folderRequests[1].startDirectory, with);
    EXPECT_FALSE(recording.folderRequests[1].okEnabled);
}

}  // namespace
}  // namespace kavrin
