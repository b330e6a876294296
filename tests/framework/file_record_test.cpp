#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#include <csignal>
#endif

#include "framework/file_output.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "support/parsed_file.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

namespace fs = std::filesystem;

// Paths are UTF-8 text on every platform: a folder named with Polish letters is made, written to,
// found without regard to case and read like any other.
TEST(FileRecord, APathWithLettersBeyondAsciiIsWrittenFoundAndRead) {
    std::string dir = test::makeTempDirectory("utf8") + PATH_SEPARATOR + "Łódź";
    ASSERT_TRUE(fs::create_directory(fileSystemPath(dir)));
    test::RecordingUi rec;
    ASSERT_TRUE(writeFileReplacing(rec.ui, dir + PATH_SEPARATOR + "Kraków.KVS",
                                   std::string_view("KVS V2\r\n")));
    std::unique_ptr<FileRecord> record = makeFileRecord(FILE_BUILD_SCRIPT, dir, "kraków");
    EXPECT_TRUE(pathExists(record->path));
    ParseContext context{rec.ui};
    ASSERT_TRUE(loadFile(*record, context)) << rec.messages.at(0).text;
    EXPECT_EQ(record->text(), "KVS V2\r\n");
}

#ifndef _WIN32
// A write that fails half way (here: the file size limit, as a full disk would) is reported and
// the set already at the path stays as it was.
TEST(FileOutput, AFailedWriteIsReportedAndTheEarlierFileStaysWhole) {
    std::string dir = test::makeTempDirectory("full");
    std::string path = dir + PATH_SEPARATOR + "set.WAD";
    std::ofstream(path) << "earlier";
    auto writeUnderASizeLimit = [&path] {
        rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN);
        test::RecordingUi rec;
        std::vector<uint8_t> bytes(1 << 16, 7);
        bool written = writeFileReplacing(rec.ui, path, bytes);
        bool reported = rec.messages.size() == 1 && rec.messages[0].title == "Error Writing File";
        _exit(!written && reported ? 0 : 1);  // without the clean-up of the parent's files
    };
    EXPECT_EXIT(writeUnderASizeLimit(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(test::readBytes(path), "earlier");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}
#endif

}  // namespace
}  // namespace kavrin
