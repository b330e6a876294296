#include <gtest/gtest.h>

#include "framework/choose_file.h"
#include "framework/file_record.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "support/recording_ui.h"

namespace kavrin {
namespace {

std::string sep(const std::string& a, const std::string& b) {
    return a + PATH_SEPARATOR + b;
}

TEST(ChooseFile, TheChosenPathBecomesDirectoryBaseNameAndFilter) {
    test::RecordingUi recording;
    std::unique_ptr<FileRecord> record;
    auto shown = [&record] {
        return std::to_string(record->type) + "|" + std::to_string(record->filterIndex) + "|" +
               record->directory + "|" + record->name + "|" + record->path;
    };
    std::string wads = sep("C:", "wads");
    recording.fileChoices = {FileChoice{sep(wads, "my.old.tut1.WAS"), 2},
                             FileChoice{sep("C:", "plain"), 1}, std::nullopt};
    ASSERT_TRUE(chooseFile(recording.ui, false, nullptr, FILE_REFERENCE, true, record));
    EXPECT_EQ(shown(), std::to_string(FILE_REFERENCE) + "|2|" + wads + "|my.old.tut1|" +
                           sep(wads, "my.old.tut1.WAS"));
    ASSERT_TRUE(chooseFile(recording.ui, true, "Save Wad As", FILE_WAS, true, record));
    EXPECT_EQ(shown(), std::to_string(FILE_WAS) + "|1|C:|plain|" + sep("C:", "plain"));
    EXPECT_FALSE(chooseFile(recording.ui, false, nullptr, FILE_LEVEL, false, record));
    EXPECT_EQ(record->name, "plain");  // a cancel leaves the caller's record alone
    EXPECT_TRUE(recording.fileRequests[1].save);
    EXPECT_EQ(recording.fileRequests[2].title, "Load Level");  // the type's own title
}

}  // namespace
}  // namespace kavrin
